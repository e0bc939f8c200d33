#include "report/engine/printable.h"

#include "report/engine/band.h"
#include "report/engine/export_shapes.h"
#include "report/engine/report.h"
#include "report/engine/report_printer.h"

namespace {
constexpr int newPrintableSizePx = 10;
}

TBVPrintable::TBVPrintable(TBVReport& report, TBVCustomBand* band, const QString& name)
    : m_report(report)
    , m_band(band)
    , m_name(name)
    , m_size(report.Units())
{
    m_size.setScale(report.unitScale());
    m_size.setOwnerBoundsHandler([this] { updateBoundsFromSize(); });
    setBounds(QRect(0, 0, newPrintableSizePx, newPrintableSizePx));
}

void TBVPrintable::setAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    ApplyAlignToBand();
}

void TBVPrintable::setAlignToBand(bool alignToBand)
{
    m_alignToBand = alignToBand;
    ApplyAlignToBand();
}

void TBVPrintable::setBounds(const QRect& bounds)
{
    // Only what moved is taken back from pixels, so unchanged native values keep their precision.
    m_bounds = bounds;
    if (m_size.pixels(TBVPrintableSize::Left) != bounds.left())
        m_size.setFromPixels(TBVPrintableSize::Left, bounds.left());
    if (m_size.pixels(TBVPrintableSize::Top) != bounds.top())
        m_size.setFromPixels(TBVPrintableSize::Top, bounds.top());
    if (m_size.pixels(TBVPrintableSize::Width) != bounds.width())
        m_size.setFromPixels(TBVPrintableSize::Width, bounds.width());
    if (m_size.pixels(TBVPrintableSize::Height) != bounds.height())
        m_size.setFromPixels(TBVPrintableSize::Height, bounds.height());
    ApplyAlignToBand();
}

void TBVPrintable::updateBoundsFromSize()
{
    m_bounds = QRect(m_size.pixels(TBVPrintableSize::Left), m_size.pixels(TBVPrintableSize::Top),
        m_size.pixels(TBVPrintableSize::Width), m_size.pixels(TBVPrintableSize::Height));
    ApplyAlignToBand();
}

void TBVPrintable::ApplyAlignToBand()
{
    if (!m_alignToBand || !m_band)
        return;
    const int bandWidth = m_band->bounds().width();
    int left = 0;
    if (m_alignment == TAlignment::taRightJustify)
        left = bandWidth - m_bounds.width();
    else if (m_alignment == TAlignment::taCenter)
        left = (bandWidth - m_bounds.width()) / 2;
    if (left == m_bounds.left())
        return;
    m_bounds.moveLeft(left);
    m_size.setFromPixels(TBVPrintableSize::Left, left);
}

void TBVPrintable::BeginPrinting()
{
    m_printing = true;
    m_contentDone = true;
}

void TBVPrintable::PrintAt(long double offsetX, long double offsetY)
{
    const long double left = offsetX + native(TBVPrintableSize::Left);
    const long double top = offsetY + native(TBVPrintableSize::Top);
    if (m_report.RenderToCanvas() && Frame.isSet())
        printFrame(
            deviceRect(left, top, left + native(TBVPrintableSize::Width), top + native(TBVPrintableSize::Height)));
}

void TBVPrintable::BandResized() { ApplyAlignToBand(); }

void TBVPrintable::EndPrinting() { m_printing = false; }

ReportPrinter* TBVPrintable::printer() const { return m_report.printer(); }

PageRect TBVPrintable::deviceRect(long double left, long double top, long double right, long double bottom) const
{
    const ReportPrinter& device = *printer();
    return { device.DeviceX(left), device.DeviceY(top), device.DeviceX(right), device.DeviceY(bottom) };
}

void TBVPrintable::printFrame(const PageRect& rect) const
{
    PageCanvas* canvas = printer()->Canvas();
    if (m_report.RenderToCanvas() && canvas)
        drawFrame(*canvas, rect, Frame, printer()->XFactor(), printer()->YFactor());
    exportFrame(rect);
}

void TBVPrintable::exportFrame(const PageRect& rect) const
{
    TBVExportFilter* filter = m_report.exportFilter();
    if (!filter)
        return;
    if (hasBackground()) {
        const PlacedGraphic background = backgroundShape(rect, backgroundColor());
        filter->ExportGraphic(pagePoint(background.topLeft), background.graphic);
    }
    const int thicknessX = frameThickness(printer()->XFactor(), Frame.Width);
    const int thicknessY = frameThickness(printer()->YFactor(), Frame.Width);
    for (const PlacedGraphic& shape : frameShapes(rect, Frame, thicknessX, thicknessY))
        filter->ExportGraphic(pagePoint(shape.topLeft), shape.graphic);
}
