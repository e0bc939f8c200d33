#include "export/export_settings.h"
#include "export/pdf/pdf_document_filter.h"
#include "lzw_decoder.h"

#include <QImage>
#include <QRegularExpression>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// The report printer of a 96-dpi page store, without unprintable offsets.
class ScreenContext : public ExportContext {
public:
    TBVExportPageSetup pageSetup() const override { return { 2100, 2970, 100, 100, 100, 100, false, 9 }; }
    int deviceX(long double xNative) const override { return static_cast<int>(std::nearbyint(xNative * factor)); }
    int deviceY(long double yNative) const override { return static_cast<int>(std::nearbyint(yNative * factor)); }
    long double horizontalFactor() const override { return factor; }
    long double verticalFactor() const override { return factor; }
    QVariant constant(const QString&) const override { return {}; }
    void setConstant(const QString&, const QVariant&) override { }

    static constexpr long double factor = 96.0L / 254.0L;
};

// Reads ASCII85 data up to its end mark, as the PDF ASCII85Decode filter does.
QByteArray ascii85Decode(const QByteArray& text)
{
    QByteArray out;
    QByteArray group;
    const auto flush = [&out](QByteArray digits, int bytes) {
        digits.append(5 - digits.size(), 'u');
        uint32_t value = 0;
        for (const char digit : digits)
            value = value * 85 + static_cast<uint32_t>(digit - '!');
        for (int i = 0; i < bytes; ++i)
            out += static_cast<char>(value >> (24 - 8 * i));
    };
    for (const char character : text) {
        if (character == 'z') {
            out += QByteArray(4, '\0');
        } else if (character >= '!' && character <= 'u') {
            group += character;
            if (group.size() == 5) {
                flush(group, 4);
                group.clear();
            }
        }
    }
    if (!group.isEmpty())
        flush(group, group.size() - 1);
    return out;
}

TBVExportFont arial(bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10);
    font.setBold(bold);
    return { font, Qt::black, 1 };
}

// Drives a filter as the report engine does: BeginExport, the first EndPage
// before any page, then per page BeginPage, its items and EndPage.
class PdfRun {
public:
    PdfRun()
        : filter(QString())
    {
        filter.setOwner(&context);
        filter.BeginExport(2100, 2970, QFont("Arial", 10));
        filter.EndPage();
    }
    void page(const std::function<void(TBVPDFDocumentFilter&)>& items)
    {
        filter.BeginPage();
        items(filter);
        filter.EndPage();
    }
    QString finish()
    {
        filter.EndExport();
        bytes = filter.StreamBytes();
        return QString::fromLatin1(bytes);
    }

    ScreenContext context;
    TBVPDFDocumentFilter filter;
    QByteArray bytes;
};

void text(TBVPDFDocumentFilter& filter, long double x, long double y, const QString& value,
    TBVExportAlignment alignment = TBVExportAlignment::Left, bool bold = false)
{
    filter.ExportText({ x, y }, arial(bold), Qt::white, alignment, value);
}

TBVExportGraphic whiteBand(int widthPx, int heightPx)
{
    TBVExportGraphic band;
    band.widthPx = widthPx;
    band.heightPx = heightPx;
    band.brushColor = Qt::white;
    band.penStyle = Qt::NoPen;
    return band;
}

// The content stream of page object `pageObject` + 1, as /Length gives it.
QString contentOf(const QString& pdf, int pageObject)
{
    const QRegularExpression stream(
        QStringLiteral("\r\n%1 0 obj\r\n<< /Length (\\d+) >>\r\nstream\r\n").arg(pageObject + 1));
    const QRegularExpressionMatch match = stream.match(pdf);
    if (!match.hasMatch())
        return QStringLiteral("<no stream>");
    const QString content = pdf.mid(match.capturedEnd(), match.captured(1).toInt());
    EXPECT_EQ(pdf.mid(match.capturedEnd() + content.size(), 13), "\r\nendstream\r\n");
    return content;
}

TEST(PdfDocument, AnA4PageTextIsPlacedFromItsPagePixels)
{
    PdfRun run;
    run.page([](auto& filter) { text(filter, 300, 500, "Anlage (fest)"); });
    const QString pdf = run.finish();
    EXPECT_TRUE(pdf.startsWith("%PDF-1.3\r\n%??o?\r\n1 0 obj\r\n")) << pdf.left(40).toStdString();
    EXPECT_EQ(pdf.count("/MediaBox [0 0 595 841]"), 2);
    // 300 and 500 report units are 113 and 189 page pixels at 96 dpi:
    // x = trunc(113 * 0.75) = 84, y = trunc(841.89 - (10 + 189 * 0.75)) = 690.
    EXPECT_EQ(contentOf(pdf, 4),
        "BT\r\n0.00 0.00 0.00 rg\r\n/F00 10 Tf\r\n 1 0 0 1 84 690 Tm (Anlage \\(fest\\)) Tj\r\nET\r\n");
}

TEST(PdfDocument, ARightAlignedTextEndsAtItsAnchor)
{
    PdfRun run;
    run.page([](auto& filter) { text(filter, 1000, 500, "41134,80 €", TBVExportAlignment::Right); });
    // 1000 report units are 378 pixels; the text is 64 pixels wide in Arial
    // 10 pt on the screen: trunc((378 - 64) * 0.75) = 235.
    EXPECT_TRUE(contentOf(run.finish(), 4).contains(" 1 0 0 1 235 690 Tm (41134,80 \\200) Tj"));
}

TEST(PdfDocument, TextWidthsRoundHalvesToEvenAsThePageDoes)
{
    PdfRun run;
    run.page([](auto& filter) { text(filter, 1000, 500, "x", TBVExportAlignment::Right); });
    // "x" is 6.5 pixels wide: 6, so trunc((378 - 6) * 0.75) = 279 (7 would give 278).
    EXPECT_TRUE(contentOf(run.finish(), 4).contains(" 1 0 0 1 279 690 Tm (x) Tj"));
}

TEST(PdfDocument, BandBackgroundsAreDrawnBeforeTheTexts)
{
    PdfRun run;
    run.page([](auto& filter) {
        filter.ExportGraphic({ 38, 38 }, whiteBand(718, 819));
        text(filter, 300, 500, "Zinsen");
    });
    const QString content = contentOf(run.finish(), 4);
    EXPECT_TRUE(content.startsWith("0.75 w\r\n1.00 1.00 1.00 rg\r\n28 199 538 614 re f\r\n\r\nBT\r\n"))
        << content.toStdString();
}

TEST(PdfDocument, FontsInOrderOfFirstUse)
{
    PdfRun run;
    run.page([](auto& filter) {
        text(filter, 100, 100, "regular");
        text(filter, 100, 200, "bold", TBVExportAlignment::Left, true);
        text(filter, 100, 300, "regular again");
    });
    const QString pdf = run.finish();
    EXPECT_TRUE(pdf.contains("/Font << \r\n  /F00 6 0 R \r\n  /F01 8 0 R \r\n  >>\r\n"));
    EXPECT_TRUE(
        pdf.contains("6 0 obj\r\n<<\r\n/Type /Font\r\n/Subtype /TrueType\r\n/Name /F00\r\n/BaseFont /Arial\r\n"));
    EXPECT_TRUE(
        pdf.contains("8 0 obj\r\n<<\r\n/Type /Font\r\n/Subtype /TrueType\r\n/Name /F01\r\n/BaseFont /Arial,Bold\r\n"));
    EXPECT_EQ(pdf.count("/F01 10 Tf"), 1);
}

TEST(PdfDocument, ThreePagesNumberPagesContentsFontsInfoAndProcSet)
{
    PdfRun run;
    for (int page = 1; page <= 3; ++page)
        run.page([page](auto& filter) { text(filter, 100, 100, QString("Seite %1").arg(page)); });
    const QString pdf = run.finish();
    EXPECT_TRUE(pdf.contains("/Count 3\r\n/Kids [4 0 R 6 0 R 8 0 R]\r\n"));
    for (const int page : { 4, 6, 8 })
        EXPECT_TRUE(pdf.contains(
            QString("%1 0 obj\r\n<<\r\n/Type /Page\r\n/Parent 3 0 R\r\n/Contents %2 0 R\r\n").arg(page).arg(page + 1)));
    EXPECT_TRUE(contentOf(pdf, 8).contains("(Seite 3)"));
    EXPECT_TRUE(pdf.contains("10 0 obj\r\n<<\r\n/Type /Font\r\n"));
    EXPECT_TRUE(pdf.contains("11 0 obj\r\n<<\r\n/Type /FontDescriptor\r\n"));
    EXPECT_TRUE(pdf.contains("12 0 obj\r\n<<\r\n/CreationDate ("));
    EXPECT_TRUE(pdf.contains("/Producer (Belvantos PDF Export)\r\n/Subject ( )\r\n/Creator (Belvantos)\r\n"));
    EXPECT_TRUE(pdf.contains("13 0 obj\r\n[/PDF /Text]\r\nendobj\r\n"));
    EXPECT_TRUE(pdf.contains("trailer\r\n<<\r\n/Size 14\r\n/Root 1 0 R\r\n/Info 12 0 R\r\n>>\r\nstartxref\r\n"));
    EXPECT_TRUE(pdf.endsWith("%%EOF\r\n"));
}

TEST(PdfDocument, CrossReferenceOffsetsPointAtTheObjects)
{
    PdfRun run;
    run.page([](auto& filter) { text(filter, 100, 100, "Gebühr"); });
    const QString pdf = run.finish();
    const int start = pdf.lastIndexOf("startxref\r\n") + 11;
    const int xref = pdf.mid(start, pdf.indexOf("\r\n", start) - start).toInt();
    ASSERT_EQ(pdf.mid(xref, 6), "xref\r\n");
    const QStringList table = pdf.mid(xref).split("\r\n");
    ASSERT_EQ(table.at(1), "0 10");
    EXPECT_EQ(table.at(2), "0000000000 65535 f");
    for (int object = 1; object <= 9; ++object) {
        const QString entry = table.at(2 + object);
        EXPECT_EQ(entry.size(), 18);
        EXPECT_EQ(pdf.mid(entry.left(10).toInt(), QString("%1 0 obj\r\n").arg(object).size()),
            QString("%1 0 obj\r\n").arg(object));
    }
}

TEST(PdfDocument, OffsetsCountTheBytesOfAUnicodeFile)
{
    ExportSettings::PDFTextEncoding = TTextEncoding::UTF8Encoding;
    PdfRun run;
    run.page([](auto& filter) { text(filter, 100, 100, "Zinsen"); });
    run.finish();
    ExportSettings::PDFTextEncoding = TTextEncoding::ASCIIEncoding;
    const QByteArray& bytes = run.bytes;
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF%PDF-1.3\r\n%\xC3\x85\xC2\xADo\xC2\x81\r\n"));
    const int xref = bytes.lastIndexOf("xref\r\n0 ");
    const QList<QByteArray> table = bytes.mid(xref).split('\n');
    for (int object = 1; object <= 9; ++object) {
        const QByteArray line = QByteArray::number(object) + " 0 obj";
        EXPECT_EQ(bytes.mid(table.at(2 + object).left(10).toInt(), line.size()), line);
    }
}

TEST(PdfDocument, TheFirstEndPageBeforeAnyPageWritesNothing)
{
    PdfRun run;
    run.page([](auto& filter) { text(filter, 100, 100, "einzige Seite"); });
    const QString pdf = run.finish();
    EXPECT_TRUE(pdf.contains("/Count 1\r\n/Kids [4 0 R]\r\n"));
}

TEST(PdfDocument, AnEmptyReportIsOneEmptyPage)
{
    PdfRun run;
    const QString pdf = run.finish();
    EXPECT_TRUE(pdf.contains("/Count 1\r\n/Kids [4 0 R]\r\n"));
    EXPECT_EQ(contentOf(pdf, 4), "BT\r\nET\r\n");
    EXPECT_TRUE(pdf.contains("/Font << \r\n  >>\r\n/ProcSet 7 0 R\r\n"));
}

// The pixels of the first inline image of page 1, read back through both filters.
QByteArray imagePixels(const QString& content)
{
    const int start = content.indexOf("ID\r\n") + 4;
    return lzwDecode(ascii85Decode(content.mid(start, content.indexOf("~>") - start).toLatin1()));
}

TEST(PdfDocument, AnUnstretchedPictureSitsTopLeftOnWhite)
{
    QImage picture(2, 3, QImage::Format_ARGB32);
    picture.fill(QColor(200, 30, 40));
    picture.setPixelColor(1, 0, QColor(0, 0, 0, 0));
    TBVExportGraphic image;
    image.kind = TBVExportGraphic::Kind::Image;
    image.widthPx = 3;
    image.heightPx = 2;
    image.picture = picture;
    PdfRun run;
    run.page([&image](auto& filter) { filter.ExportGraphic({ 100, 200 }, image); });
    const QByteArray red("\xC8\x1E\x28");
    const QByteArray white(3, '\xFF');
    EXPECT_EQ(imagePixels(contentOf(run.finish(), 4)).toHex().toStdString(),
        (red + white + white + red + red + white).toHex().toStdString());
}

TEST(PdfDocument, AnImageIsItsPixelsCompressedAndEncoded)
{
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(QColor(200, 30, 40));
    TBVExportGraphic image;
    image.kind = TBVExportGraphic::Kind::Image;
    image.widthPx = 4;
    image.heightPx = 2;
    image.picture = picture;
    image.stretch = true;
    PdfRun run;
    run.page([&image](auto& filter) { filter.ExportGraphic({ 100, 200 }, image); });
    const QString content = contentOf(run.finish(), 4);
    // Bottom edge 202 pixels down: 841.89 - 151.5 = 690.
    const QString head = "q 3 0 0 1 75 690 cm\r\nBI\r\n/Width 4\r\n/Height 2\r\n/BitsPerComponent 8\r\n"
                         "/ColorSpace /DeviceRGB\r\n/Filter [/ASCII85Decode /LZWDecode]\r\nID\r\n";
    ASSERT_TRUE(content.startsWith(head)) << content.toStdString();
    const QString data = content.mid(head.size(), content.indexOf("~>") - head.size());
    EXPECT_EQ(lzwDecode(ascii85Decode(data.toLatin1())).toHex().toStdString(),
        QByteArray("\xC8\x1E\x28").repeated(8).toHex().toStdString());
    EXPECT_TRUE(content.endsWith("~>\r\nEI\r\nQ\r\n\r\nBT\r\nET\r\n"));
}

}
