#include "export/html/html_document_filter.h"

#include "export/document_writer.h"
#include "export/export_settings.h"
#include "export/html/html_markup.h"
#include "export/html/jpeg_writer.h"
#include "export/html/picture_file.h"
#include "export/screen_metrics.h"

#include <QImage>
#include <cmath>

namespace {

int roundedPx(long double value) { return static_cast<int>(std::nearbyintl(value)); }

int pointSizeOf(const QFont& font)
{
    return font.pointSize() > 0 ? font.pointSize() : qRound(font.pointSizeF() > 0 ? font.pointSizeF() : 10.0);
}

// The picture as the file holds it: a bitmap at its own size, or, when the
// control holds none, a white bitmap of the control's size.
QImage pictureBitmap(const TBVExportGraphic& image)
{
    if (!image.picture.isNull())
        return image.picture;
    QImage blank(std::max(image.widthPx, 1), std::max(image.heightPx, 1), QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
}

}

TBVGHTMLDocumentFilter::TBVGHTMLDocumentFilter(const QString& fileName)
    : TBVGAbstractExportFilter(fileName)
{
    const bool firstLastLinks = ExportSettings::HTMLOptions.FirstLastLinks;
    ExportSettings::HTMLOptions = THTMLExportOptions();
    ExportSettings::HTMLOptions.FirstLastLinks = firstLastLinks;
}

QString TBVGHTMLDocumentFilter::Description() const { return QStringLiteral("HTML document for web publishing"); }

QString TBVGHTMLDocumentFilter::FileExtension() const { return QStringLiteral("HTM"); }

QString TBVGHTMLDocumentFilter::DisplayName() const { return QStringLiteral("HTML document"); }

bool TBVGHTMLDocumentFilter::ContinuousPage() const { return false; }

void TBVGHTMLDocumentFilter::BeginExport(int paperWidthNative, int paperLengthNative, const QFont& font)
{
    TBVGAbstractExportFilter::BeginExport(paperWidthNative, paperLengthNative, font);
    for (const QString& line : HtmlMarkup::headLines(FileName(), m_bodyColour))
        WriteLine(line);
}

void TBVGHTMLDocumentFilter::EndPage() { ++m_pageNumber; }

void TBVGHTMLDocumentFilter::BeginPage() { }

void TBVGHTMLDocumentFilter::OpenStream(const QString& fileName)
{
    if (fileName.isEmpty())
        TBVGAbstractExportFilter::OpenStream(fileName);
}

void TBVGHTMLDocumentFilter::ProcessPage()
{
    setPageProcessed(true);
    WritePage();
}

// In ASCII the umlauts and the euro sign of the plans would become
// substitute characters; as character references the file stays 7-bit and
// the browser shows them.
void TBVGHTMLDocumentFilter::EndExport()
{
    for (const QString& line : HtmlMarkup::closingLines())
        WriteLine(line);
    if (htmlDocumentEncoding(ExportSettings::HTMLTextEncoding) == TDocumentEncoding::Ascii) {
        for (QString& line : Document())
            line = HtmlMarkup::withCharacterReferences(line);
    }
    TBVGAbstractExportFilter::EndExport();
}

int TBVGHTMLDocumentFilter::pageTop(long double topPx) const
{
    return roundedPx(topPx + HtmlMarkup::pageOffset(m_pageNumber - 2, PaperHeightNative()));
}

void TBVGHTMLDocumentFilter::ExportText(const TBVReportPoint& anchor, const TBVExportFont& font, const QColor&,
    TBVExportAlignment alignment, const QString& text)
{
    int left = Owner()->deviceX(anchor.xNative);
    const int top = pageTop(Owner()->deviceY(anchor.yNative));
    if (alignment == TBVExportAlignment::Right)
        left -= screenTextWidth(font.font, text);
    else if (alignment == TBVExportAlignment::Centre)
        left -= screenTextWidth(font.font, text) / 2;
    const HtmlMarkup::TextStyle style { font.font.family(), pointSizeOf(font.font), font.font.italic(),
        font.font.bold(), font.color };
    for (const QString& line : HtmlMarkup::textBlock(left, top, style, text))
        WriteLine(line);
}

void TBVGHTMLDocumentFilter::ExportGraphic(const TBVPagePoint& topLeft, const TBVExportGraphic& control)
{
    const int left = static_cast<int>(topLeft.xPx);
    const int top = pageTop(roundedPx(topLeft.yPx));
    if (control.kind == TBVExportGraphic::Kind::Image)
        exportImage(left, top, control);
    else
        exportShape(left, top, control);
}

void TBVGHTMLDocumentFilter::exportShape(int left, int top, const TBVExportGraphic& shape)
{
    const int right = left + shape.widthPx;
    const int bottom = top + shape.heightPx;
    switch (shape.shape) {
    case TBVShapeType::bvsRectangle:
        if (shape.brushStyle == Qt::SolidPattern) {
            WriteLine(HtmlMarkup::filledBlock(left, top, shape.heightPx, shape.widthPx, shape.brushColor));
        } else {
            WriteLine(HtmlMarkup::filledBlock(left, top, shape.heightPx, shape.penWidth, shape.penColor));
            WriteLine(
                HtmlMarkup::filledBlock(right - shape.penWidth, top, shape.heightPx, shape.penWidth, shape.penColor));
            WriteLine(
                HtmlMarkup::ruleBlock(left, top - shape.vertAdjust - 8, shape.widthPx, shape.penWidth, shape.penColor));
            WriteLine(HtmlMarkup::ruleBlock(left, bottom - 8, shape.widthPx, shape.penWidth, shape.penColor));
        }
        break;
    case TBVShapeType::bvsVertLine:
        WriteLine(HtmlMarkup::filledBlock((left + right) / 2, top, shape.heightPx, shape.penWidth, shape.penColor));
        break;
    case TBVShapeType::bvsHorLine:
        WriteLine(HtmlMarkup::ruleBlock(left, top - 8, shape.widthPx, shape.penWidth, shape.penColor));
        break;
    default:
        break;
    }
}

void TBVGHTMLDocumentFilter::exportImage(int left, int top, const TBVExportGraphic& image)
{
    const PictureFile file = pictureFileFor(FileName(), image.name, ExportSettings::HTMLOptions.PictureDir);
    JpegWriter::write(pictureBitmap(image), file.path);
    WriteLine(HtmlMarkup::imageBlock(left, top, file.source, image.widthPx, image.heightPx));
}
