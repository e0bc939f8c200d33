#include "export/export_error.h"
#include "export/rtf/rtf_export_filter.h"
#include "export/rtf/rtf_font_list.h"
#include "export/tests/a4_export_context.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TBVExportFont fontOf(const char* family, QColor colour = Qt::black)
{
    QFont font(family);
    font.setPointSize(10);
    return { font, colour, 1 };
}

using Page = std::vector<std::tuple<long double, long double, QString>>;

class RtfExportFilter : public testing::Test {
protected:
    // The lines of the file an export of the pages writes.
    QList<QByteArray> exportPages(const std::vector<Page>& pages, const TBVExportFont& font = fontOf("Arial"))
    {
        const QString name = dir.filePath("plan.rtf");
        TBVRTFExportFilter filter(name);
        filter.setOwner(&context);
        filter.BeginExport(2100, 2970, font.font);
        for (const Page& page : pages) {
            filter.EndPage();
            filter.BeginPage();
            for (const auto& [x, y, text] : page)
                filter.ExportText({ x, y }, font, Qt::white, TBVExportAlignment::Left, text);
        }
        filter.EndPage();
        filter.EndExport();
        QFile file(name);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.endsWith("\\par }\r\n"));
        return bytes.split('\n');
    }

    A4ExportContext context;
    QTemporaryDir dir;
};

TEST_F(RtfExportFilter, HeadOfAnA4Report)
{
    const QList<QByteArray> lines = exportPages({});
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(
        lines[0].startsWith("{\\rtf1\\ansi\\deff0\\deftab720\\paperh16838\\paperw11906\\psz9\\margl567\\margr567"
                            "\\margt567\\margb567{\\fonttbl{\\f0"));
    EXPECT_TRUE(lines[1].startsWith("{\\colortbl\\red0\\green0\\blue0;"));
    EXPECT_EQ(lines[2], "\\deflang1033\r");
    EXPECT_EQ(lines[3], "\\par }\r");
}

TEST_F(RtfExportFilter, PageBreakOnlyBetweenPages)
{
    const QList<QByteArray> lines = exportPages({ { { 200, 300, "eins" } }, { { 200, 300, "zwei" } } });
    const int breakAt = lines.indexOf("{\\page }\r");
    ASSERT_GT(breakAt, 0);
    EXPECT_EQ(lines.count("{\\page }\r"), 1);
    EXPECT_TRUE(lines[breakAt - 1].contains(" eins{"));
    EXPECT_TRUE(lines[breakAt + 2].contains(" zwei{"));
}

TEST_F(RtfExportFilter, InstalledFontGetsItsNumberAndAMissingOneNone)
{
    const RtfFontList fonts = RtfFontList::installed();
    for (const char* family : { "Liberation Sans", "Arial" }) {
        const int index = fonts.indexOf(family);
        ASSERT_GE(index, 0) << family;
        const QList<QByteArray> lines = exportPages({ { { 200, 300, "x" } } }, fontOf(family));
        EXPECT_TRUE(
            lines[4].startsWith(QStringLiteral("{\\plain\\fs20\\tab\\plain\\f%1\\fs20 x").arg(index).toLatin1()))
            << family;
        EXPECT_TRUE(lines[0].contains(QStringLiteral("{\\f%1\\fswiss %2;}").arg(index).arg(family).toLatin1()))
            << family;
    }
    const QList<QByteArray> missing = exportPages({ { { 200, 300, "x" } } }, fontOf("Verdana"));
    EXPECT_TRUE(missing[4].startsWith("{\\plain\\fs20\\tab\\plain\\fs20 x"));
}

TEST_F(RtfExportFilter, HalfPointSizesRoundHalvesToEven)
{
    TBVExportFont small = fontOf("Arial");
    small.font.setPointSizeF(8.25);
    TBVExportFont large = fontOf("Arial");
    large.font.setPointSizeF(8.75);
    const QList<QByteArray> lines = exportPages({ { { 200, 300, "klein" } } }, small);
    EXPECT_TRUE(lines[4].contains("\\fs16 klein")) << lines[4].toStdString();
    const QList<QByteArray> larger = exportPages({ { { 200, 300, "gross" } } }, large);
    EXPECT_TRUE(larger[4].contains("\\fs18 gross")) << larger[4].toStdString();
}

TEST_F(RtfExportFilter, TextsInTheAnsiCodePageAndUnicodeWordsForTheRest)
{
    const QList<QByteArray> lines = exportPages({ { { 200, 300, QString::fromUtf8("jährlich {12,50 €} Ω") } } });
    EXPECT_TRUE(lines[4].contains(" j\xE4hrlich \\{12,50 \x80\\} \\u937?{"));
}

TEST_F(RtfExportFilter, TextsOffThePaperAreDropped)
{
    const QList<QByteArray> lines = exportPages({ { { 200, -50, "oben" }, { 200, 2990, "unten" } } });
    EXPECT_EQ(lines.size(), 5);
}

TEST_F(RtfExportFilter, FileThatCannotBeCreatedStopsTheExport)
{
    TBVRTFExportFilter filter(dir.filePath("missing/plan.rtf"));
    filter.setOwner(&context);
    EXPECT_THROW(filter.BeginExport(2100, 2970, QFont("Arial")), EExportError);
}

} // namespace
