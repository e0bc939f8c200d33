#include "export/export_error.h"
#include "export/export_settings.h"
#include "export/html/html_document_filter.h"
#include "export/tests/a4_export_context.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TBVExportFont arial(int pointSize = 10)
{
    QFont font("Arial");
    font.setPointSize(pointSize);
    return { font, Qt::black, 1 };
}

TBVExportGraphic chartImage()
{
    TBVExportGraphic image;
    image.kind = TBVExportGraphic::Kind::Image;
    image.name = "BVImage1";
    image.widthPx = 601;
    image.heightPx = 402;
    image.picture = QImage(600, 400, QImage::Format_RGB32);
    image.picture.fill(Qt::blue);
    return image;
}

class HtmlDocumentFilter : public testing::Test {
protected:
    void TearDown() override { ExportSettings::HTMLTextEncoding = TTextEncoding::ASCIIEncoding; }

    // Runs an export the way the report engine drives it: the first EndPage
    // before any page, then EndPage and BeginPage at every page start.
    QByteArray exportPages(const QString& fileName, const std::vector<std::function<void(TBVExportFilter&)>>& pages)
    {
        TBVGHTMLDocumentFilter filter(fileName);
        filter.setOwner(&context);
        filter.BeginExport(2100, 2970, arial().font);
        for (const auto& page : pages) {
            filter.EndPage();
            filter.BeginPage();
            page(filter);
        }
        filter.EndPage();
        filter.EndExport();
        QFile file(fileName);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    QString fileIn(const char* name) const { return dir.filePath(name); }

    A4ExportContext context;
    QTemporaryDir dir;
};

const auto text
    = [](const QString& line, long double x, long double y, TBVExportAlignment alignment = TBVExportAlignment::Left) {
          return [=](TBVExportFilter& filter) { filter.ExportText({ x, y }, arial(), Qt::white, alignment, line); };
      };

TEST_F(HtmlDocumentFilter, EveryLineFollowedByAnEmptyLine)
{
    const QString name = fileIn("plan.htm");
    const QByteArray html = exportPages(name, {});
    EXPECT_EQ(html,
        "<html>\r\n\r\n<head>\r\n\r\n <title>" + name.toUtf8()
            + "</title>\r\n\r\n</head>\r\n\r\n<body  bgcolor=\"#ffffff\" >\r\n\r\n</body>\r\n\r\n</html>\r\n\r\n");
}

TEST_F(HtmlDocumentFilter, SecondPageItems1123PixelsLower)
{
    const QByteArray html = exportPages(fileIn("plan.htm"), { text("A & B < C", 200, 300), text("Seite 2", 200, 300) });
    // 300 report units are 113 pixels; page 2 adds 297 mm at 96 dpi.
    EXPECT_TRUE(html.contains("<div style=\"position:absolute;top:113px;left:76px;font-family:Arial;font-size:10pt;\">"
                              "\r\n\r\nA&nbsp;&amp;&nbsp;B&nbsp;&lt;&nbsp;C\r\n\r\n</DIV>\r\n"));
    EXPECT_TRUE(html.contains("top:1236px;left:76px;"));
}

TEST_F(HtmlDocumentFilter, RightAlignedTextEndsAtItsAnchor)
{
    // 1000 report units are 378 pixels; "41134,80" is 53.17 pixels wide in
    // Arial 10 pt on the screen, "x" 6.5, which rounds to 6 as on the page.
    const QByteArray html = exportPages(fileIn("plan.htm"), { text("41134,80", 1000, 300, TBVExportAlignment::Right) });
    EXPECT_TRUE(html.contains("top:113px;left:325px;"));
    const QByteArray x = exportPages(fileIn("plan.htm"), { text("x", 1000, 300, TBVExportAlignment::Right) });
    EXPECT_TRUE(x.contains("top:113px;left:372px;"));
}

TEST_F(HtmlDocumentFilter, AsciiDocumentKeepsUmlautsAndEuroAsCharacterReferences)
{
    const QByteArray html = exportPages(fileIn("plan.htm"), { text(QString::fromUtf8("jährlich 12,50 €"), 200, 300) });
    EXPECT_TRUE(html.contains("\r\nj&#228;hrlich&nbsp;12,50&nbsp;&#8364;\r\n"));
    EXPECT_TRUE(std::all_of(html.begin(), html.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
}

TEST_F(HtmlDocumentFilter, Utf8DocumentWritesTheCharactersThemselves)
{
    ExportSettings::HTMLTextEncoding = TTextEncoding::UTF8Encoding;
    const QByteArray html = exportPages(fileIn("plan.htm"), { text(QString::fromUtf8("jährlich"), 200, 300) });
    EXPECT_TRUE(html.startsWith("\xEF\xBB\xBF<html>"));
    EXPECT_TRUE(html.contains(QString::fromUtf8("\r\njährlich\r\n").toUtf8()));
}

TEST_F(HtmlDocumentFilter, ChartPictureBesideTheDocumentNamedAfterIt)
{
    const auto chart = [](TBVExportFilter& filter) { filter.ExportGraphic({ 76.4L, 400.6L }, chartImage()); };
    const QByteArray plan = exportPages(fileIn("plan.htm"), { chart });
    const QByteArray other = exportPages(fileIn("other.htm"), { chart });
    EXPECT_TRUE(plan.contains("<DIV style=\"position:absolute;left:76px;top:401px;\"><img src=\"plan_BVImage1.jpg\" "
                              "width=601 height=402></div>\r\n"));
    EXPECT_TRUE(other.contains("src=\"other_BVImage1.jpg\""));
    // The bitmap keeps its own size; the element shows it at the control's size.
    EXPECT_EQ(QImage(fileIn("plan_BVImage1.jpg")).size(), QSize(600, 400));
    EXPECT_TRUE(QFile::exists(fileIn("other_BVImage1.jpg")));
}

TEST_F(HtmlDocumentFilter, PictureThatCannotBeWrittenStopsTheExport)
{
    const QString name = fileIn("missing/plan.htm");
    TBVGHTMLDocumentFilter filter(name);
    filter.setOwner(&context);
    EXPECT_THROW(filter.ExportGraphic({ 0, 0 }, chartImage()), EExportError);
}

TEST_F(HtmlDocumentFilter, FrameOfRulesAndSideBlocks)
{
    TBVExportGraphic frame;
    frame.shape = TBVShapeType::bvsRectangle;
    frame.brushStyle = Qt::NoBrush;
    frame.penWidth = 2;
    frame.penColor = QColor(255, 0, 0);
    frame.widthPx = 100;
    frame.heightPx = 50;
    frame.vertAdjust = 1;
    const QByteArray html = exportPages(fileIn("plan.htm"), { [&](TBVExportFilter& filter) {
        filter.ExportGraphic({ 10, 20 }, frame);
    } });
    const char* expected[] = {
        "left:10px;top:20px;height:50px;width:2px; background-color: #ff0000\"></div>",
        "left:108px;top:20px;height:50px;width:2px; background-color: #ff0000\"></div>",
        "left:10px;top:11px;height:2px;\"><hr width=\"100\" size=\"2\" color=\"#ff0000\"></div>",
        "left:10px;top:62px;height:2px;\"><hr width=\"100\" size=\"2\" color=\"#ff0000\"></div>",
    };
    for (const char* block : expected)
        EXPECT_TRUE(html.contains(block)) << block;
}

TEST_F(HtmlDocumentFilter, BandBackgroundIsOneFilledBlock)
{
    TBVExportGraphic band;
    band.widthPx = 719;
    band.heightPx = 819;
    const QByteArray html = exportPages(fileIn("plan.htm"), { [&](TBVExportFilter& filter) {
        filter.ExportGraphic({ 38, 38 }, band);
    } });
    EXPECT_TRUE(html.contains("<DIV style=\"position:absolute;left:38px;top:38px;height:819px;width:719px; "
                              "background-color: #ffffff\"></div>\r\n"));
}

TEST_F(HtmlDocumentFilter, ExistingFileUntouchedUntilTheDocumentIsWritten)
{
    const QString name = fileIn("plan.htm");
    QFile old(name);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("alter Plan");
    old.close();
    TBVGHTMLDocumentFilter filter(name);
    filter.setOwner(&context);
    filter.BeginExport(2100, 2970, arial().font);
    filter.EndPage();
    filter.BeginPage();
    text("Seite 1", 200, 300)(filter);
    QFile during(name);
    ASSERT_TRUE(during.open(QIODevice::ReadOnly));
    EXPECT_EQ(during.readAll(), "alter Plan");
    during.close();
    filter.EndPage();
    filter.EndExport();
    ASSERT_TRUE(during.open(QIODevice::ReadOnly));
    EXPECT_TRUE(during.readAll().startsWith("<html>\r\n"));
}

TEST_F(HtmlDocumentFilter, ConstructionPutsTheOptionsBackToOneDocument)
{
    ExportSettings::HTMLOptions.MultiPage = true;
    ExportSettings::HTMLOptions.PictureDir = "bilder";
    ExportSettings::HTMLOptions.FirstLastLinks = true;
    TBVGHTMLDocumentFilter filter("plan.htm");
    EXPECT_FALSE(ExportSettings::HTMLOptions.MultiPage);
    EXPECT_TRUE(ExportSettings::HTMLOptions.PictureDir.isEmpty());
    EXPECT_TRUE(ExportSettings::HTMLOptions.FirstLastLinks);
    ExportSettings::HTMLOptions.FirstLastLinks = false;
}

} // namespace
