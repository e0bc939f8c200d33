#include "export/pdf/pdf_document_filter.h"

#include "export/device_units.h"
#include "export/document_writer.h"
#include "export/export_settings.h"
#include "export/pdf/ascii85.h"
#include "export/pdf/lzw.h"
#include "export/screen_metrics.h"

#include <QDateTime>
#include <QImage>
#include <cmath>

namespace {

// The screen the report is laid out for, when no report printer converts.
const long double screenPixelsPerNative = DeviceUnits::factorForDpi(DeviceUnits::ScreenDpi);

// The picture of an image control at the control's size as red, green and
// blue bytes per pixel, rows top to bottom without padding: stretched over
// the control (nearest pixel, as an unsmoothed stretch draws it), or at its
// own size in the top-left corner; transparent parts and the rest are white.
QByteArray controlPixels(const TBVExportGraphic& control)
{
    const int width = control.widthPx;
    const int height = control.heightPx;
    QByteArray rgb(static_cast<qsizetype>(width) * height * 3, '\xFF');
    if (control.picture.isNull())
        return rgb;
    const QImage picture = control.picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    auto* out = reinterpret_cast<uint8_t*>(rgb.data());
    for (int y = 0; y < height; ++y) {
        const int sourceY = control.stretch ? static_cast<int>(static_cast<qint64>(y) * picture.height() / height) : y;
        if (sourceY >= picture.height())
            break;
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(sourceY));
        uint8_t* pixel = out + static_cast<qsizetype>(y) * width * 3;
        for (int x = 0; x < width; ++x, pixel += 3) {
            const int sourceX
                = control.stretch ? static_cast<int>(static_cast<qint64>(x) * picture.width() / width) : x;
            if (sourceX >= picture.width())
                break;
            const QRgb colour = row[sourceX];
            const int background = 255 - qAlpha(colour);
            pixel[0] = static_cast<uint8_t>(qRed(colour) + background);
            pixel[1] = static_cast<uint8_t>(qGreen(colour) + background);
            pixel[2] = static_cast<uint8_t>(qBlue(colour) + background);
        }
    }
    return rgb;
}

long double pointsOfNative(int native) { return native * 0.1L * 72.0L / 25.4L; }

}

TBVPDFDocumentFilter::TBVPDFDocumentFilter(const QString& fileName)
    : TBVPAbstractExportFilter(fileName)
{
    Info.Creator = QStringLiteral("Belvantos");
}

QString TBVPDFDocumentFilter::Description() const { return QStringLiteral("PDF document filter"); }

QString TBVPDFDocumentFilter::FileExtension() const { return QStringLiteral("PDF"); }

QString TBVPDFDocumentFilter::DisplayName() const { return QStringLiteral("PDF document"); }

bool TBVPDFDocumentFilter::ContinuousPage() const { return false; }

void TBVPDFDocumentFilter::BeginExport(int paperWidthNative, int paperLengthNative, const QFont& font)
{
    TBVPAbstractExportFilter::BeginExport(paperWidthNative, paperLengthNative, font);
    m_paperWidthNative = paperWidthNative;
    m_paperLengthNative = paperLengthNative;
    OpenStream(OutputFileName());
}

void TBVPDFDocumentFilter::OpenStream(const QString&) { m_memoryBytes.clear(); }

void TBVPDFDocumentFilter::ProcessPage()
{
    TBVPAbstractExportFilter::ProcessPage();
    WritePage();
}

void TBVPDFDocumentFilter::EndPage() { }

void TBVPDFDocumentFilter::BeginPage()
{
    if (m_firstPage) {
        m_firstPage = false;
        return;
    }
    ensurePage();
    closePage();
    startPage();
}

void TBVPDFDocumentFilter::ensurePage()
{
    if (!m_pageFilesMade)
        startPage();
}

void TBVPDFDocumentFilter::startPage()
{
    const ExportContext* owner = Owner();
    const long double pixelsPerNativeX = owner ? owner->horizontalFactor() : screenPixelsPerNative;
    const long double pixelsPerNativeY = owner ? owner->verticalFactor() : screenPixelsPerNative;
    m_pointsPerPixelX = 72.0L / (254.0L * pixelsPerNativeX);
    m_pointsPerPixelY = 72.0L / (254.0L * pixelsPerNativeY);
    ++m_pageCounter;
    m_pages.push_back({ {}, {}, pointsOfNative(m_paperWidthNative), pointsOfNative(m_paperLengthNative) });
    m_pageFilesMade = true;
    m_pageOpen = true;
}

void TBVPDFDocumentFilter::closePage()
{
    if (!m_pageOpen)
        return;
    currentPage().textLines << QStringLiteral("ET");
    m_pageOpen = false;
}

int TBVPDFDocumentFilter::pixelX(long double xNative) const
{
    const ExportContext* owner = Owner();
    return owner ? owner->deviceX(xNative) : DeviceUnits::toDevice(xNative, 0, screenPixelsPerNative);
}

int TBVPDFDocumentFilter::pixelY(long double yNative) const
{
    const ExportContext* owner = Owner();
    return owner ? owner->deviceY(yNative) : DeviceUnits::toDevice(yNative, 0, screenPixelsPerNative);
}

void TBVPDFDocumentFilter::ExportText(const TBVReportPoint& anchor, const TBVExportFont& font, const QColor&,
    TBVExportAlignment alignment, const QString& text)
{
    ensurePage();
    int xPx = pixelX(anchor.xNative);
    const int yPx = pixelY(anchor.yNative);
    if (alignment == TBVExportAlignment::Right)
        xPx -= screenTextWidth(font.font, text);
    else if (alignment == TBVExportAlignment::Centre)
        xPx -= screenTextWidth(font.font, text) / 2;
    TPDFItemRec item;
    item.ItemType = TPDFItemType::Text;
    item.FontSize = font.font.pointSize();
    item.X = xPx * m_pointsPerPixelX;
    item.Y = item.FontSize + yPx * m_pointsPerPixelY;
    item.Text = text;
    item.FontName = font.font.family();
    item.Charset = font.charSet;
    item.TextColour = font.color;
    item.Bold = font.font.bold();
    item.Italic = font.font.italic();
    addText(item);
}

void TBVPDFDocumentFilter::addText(const TPDFItemRec& item)
{
    currentPage().textLines << pdfTextLines(item, fontNumber(item), currentPage().heightPt);
}

int TBVPDFDocumentFilter::fontNumber(const TPDFItemRec& item)
{
    const TPDFFontKey font { item.FontName.trimmed(), item.Bold, item.Italic, item.Charset };
    for (size_t i = 0; i < m_fonts.size(); ++i) {
        if (m_fonts[i].key() == font.key())
            return static_cast<int>(i);
    }
    m_fonts.push_back(font);
    return static_cast<int>(m_fonts.size() - 1);
}

void TBVPDFDocumentFilter::ExportGraphic(const TBVPagePoint& topLeft, const TBVExportGraphic& control)
{
    ensurePage();
    if (control.kind == TBVExportGraphic::Kind::Image) {
        addImage(topLeft, control);
        return;
    }
    TPDFItemRec item;
    item.ItemType = TPDFItemType::Shape;
    item.ShapeKind = static_cast<int>(control.shape);
    item.X = topLeft.xPx * m_pointsPerPixelX;
    item.Y = topLeft.yPx * m_pointsPerPixelY;
    item.PenWidth = control.penWidth * m_pointsPerPixelX;
    item.Width = control.widthPx * m_pointsPerPixelX;
    item.Height = control.heightPx * m_pointsPerPixelX;
    item.PenColour = control.penColor;
    item.BrushColour = control.brushColor;
    item.Filled = control.brushStyle != Qt::NoBrush;
    addShape(item, control.penStyle != Qt::NoPen);
}

// A shape with a pen is drawn a second time unfilled, so its outline lies over its fill.
void TBVPDFDocumentFilter::addShape(TPDFItemRec item, bool penDrawn)
{
    currentPage().graphicsLines << pdfShapeLines(item, currentPage().heightPt);
    if (!penDrawn)
        return;
    item.Filled = false;
    currentPage().graphicsLines << pdfShapeLines(item, currentPage().heightPt);
}

void TBVPDFDocumentFilter::addImage(const TBVPagePoint& topLeft, const TBVExportGraphic& control)
{
    if (control.widthPx <= 0 || control.heightPx <= 0)
        return;
    TPDFItemRec item;
    item.ItemType = TPDFItemType::Image;
    item.ImageWidth = control.widthPx;
    item.ImageHeight = control.heightPx;
    item.ImageData = ascii85Encode(lzwEncode(controlPixels(control)));
    item.FilterName = QStringLiteral("/ASCII85Decode /LZWDecode");
    item.X = topLeft.xPx * m_pointsPerPixelX;
    item.Y = (topLeft.yPx + control.heightPx) * m_pointsPerPixelY;
    item.Width = item.ImageWidth * m_pointsPerPixelX;
    item.Height = item.ImageHeight * m_pointsPerPixelX;
    // The bitmap is made at the control's size.
    item.ScaleX = 1;
    item.ScaleY = 1;
    currentPage().graphicsLines << pdfImageLines(item, currentPage().heightPt);
}

void TBVPDFDocumentFilter::EndExport()
{
    ensurePage();
    closePage();
    // Every font is measured before anything is written, so a font error leaves no file.
    std::vector<TPDFFontResource> fonts;
    for (const TPDFFontKey& key : m_fonts)
        fonts.push_back({ key, measuredFont(key) });
    Info.CreationDate = QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    const TDocumentWriter writer(pdfDocumentEncoding(ExportSettings::PDFTextEncoding));
    Document().clear();
    const QByteArray bytes = assemblePdf(m_pages, fonts, Info, writer, Document());
    if (OutputFileName().isEmpty()) {
        m_memoryBytes = bytes;
    } else {
        const std::unique_ptr<QFile> file = createExportFile(OutputFileName());
        if (file->write(bytes) != bytes.size() || !file->flush())
            throw fileWriteError(*file);
    }
    TBVPAbstractExportFilter::EndExport();
}
