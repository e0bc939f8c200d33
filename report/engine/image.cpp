#include "report/engine/image.h"

#include "export/filter.h"
#include "report/engine/export_shapes.h"

#include "report/engine/report.h"
#include "report/engine/report_printer.h"

namespace {
constexpr int newImageSizePx = 105;
}

TBVImage::TBVImage(TBVReport& report, TBVCustomBand* band, const QString& name)
    : TBVPrintable(report, band, name)
{
    setBounds(QRect(0, 0, newImageSizePx, newImageSizePx));
}

void TBVImage::setPicture(const QImage& picture)
{
    if (!report().Idle())
        return;
    m_picture = picture;
    sizeToPicture();
}

void TBVImage::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    sizeToPicture();
}

void TBVImage::sizeToPicture()
{
    if (m_autoSize && m_picture.width() > 0 && m_picture.height() > 0)
        setBounds(QRect(bounds().topLeft(), m_picture.size()));
}

PageRect TBVImage::naturalRect(const PageRect& element, long double width, long double height) const
{
    const ReportPrinter& device = *printer();
    const long double ppi = report().unitScale().screenPpi;
    const int naturalWidth = roundToInt(m_picture.width() / ppi * 254 * device.XFactor());
    const int naturalHeight = roundToInt(m_picture.height() / ppi * 254 * device.YFactor());
    PageRect rect { element.left, element.top, element.left + naturalWidth, element.top + naturalHeight };
    if (Center) {
        const int dx = (device.DeviceWidth(width) - naturalWidth) / 2;
        const int dy = (device.DeviceHeight(height) - naturalHeight) / 2;
        rect = { rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy };
    }
    return rect;
}

void TBVImage::PrintAt(long double offsetX, long double offsetY)
{
    ReportPrinter* device = printer();
    if (!device)
        return;
    const long double left = offsetX + native(TBVPrintableSize::Left);
    const long double top = offsetY + native(TBVPrintableSize::Top);
    const long double width = native(TBVPrintableSize::Width);
    const long double height = native(TBVPrintableSize::Height);
    const PageRect element = deviceRect(left, top, left + width, top + height);
    if (TBVExportFilter* filter = report().exportFilter()) {
        TBVExportGraphic graphic;
        graphic.kind = TBVExportGraphic::Kind::Image;
        graphic.name = Name();
        graphic.widthPx = element.width();
        graphic.heightPx = element.height();
        graphic.picture = m_picture;
        graphic.stretch = Stretch;
        graphic.center = Center;
        filter->ExportGraphic(pagePoint(element.left, element.top), graphic);
    }
    // Images draw on the page even in an export run, so a page printer's pages look the same either way.
    PageCanvas* canvas = device->Canvas();
    if (canvas && !m_picture.isNull()) {
        if (Stretch) {
            canvas->drawImage(element, m_picture);
        } else {
            canvas->setClipRect(element);
            canvas->drawImage(naturalRect(element, width, height), m_picture);
            canvas->clearClip();
        }
    }
    TBVPrintable::PrintAt(offsetX, offsetY);
}
