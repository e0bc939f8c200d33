#include "export/rtf/rtf_format.h"

#include <gtest/gtest.h>

namespace {

// The Latin-1 range and the euro sign stand for the ANSI code page here.
bool latinOrEuro(QChar c) { return c.unicode() < 0x100 || c.unicode() == 0x20AC; }

Rtf::PageGeometry a4WithTenMillimetreMargins()
{
    Rtf::PageGeometry page;
    page.paperLengthTwips = Rtf::twips(2970);
    page.paperWidthTwips = Rtf::twips(2100);
    page.topMarginTwips = page.bottomMarginTwips = page.leftMarginTwips = page.rightMarginTwips = Rtf::twips(100);
    page.paperSize = 9;
    return page;
}

Rtf::Item item(long double x, long double y, const QString& text, Rtf::Alignment alignment = Rtf::Alignment::Left)
{
    Rtf::Item result;
    result.xNative = x;
    result.yNative = y;
    result.alignment = alignment;
    result.escapedText = text;
    return result;
}

struct EscapeCase {
    const char* text;
    const char* escaped;
};

class RtfEscape : public testing::TestWithParam<EscapeCase> { };

TEST_P(RtfEscape, BracesAndBackslashesEscapedOtherCodePagesAsUnicodeWords)
{
    EXPECT_EQ(Rtf::escapeText(QString::fromUtf8(GetParam().text), latinOrEuro), QString::fromUtf8(GetParam().escaped));
}

INSTANTIATE_TEST_SUITE_P(Texts, RtfEscape,
    testing::Values(EscapeCase { "{a}", "\\{a\\}" }, EscapeCase { "C:\\plan", "C:\\\\plan" },
        EscapeCase { "jährlich 12,50 €", "jährlich 12,50 €" }, EscapeCase { "Ω", "\\u937?" },
        // Codes above 32767 are written as negative numbers, a pair of halves as two words.
        EscapeCase { "\xEF\xBF\xBD", "\\u-3?" }, EscapeCase { "\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?" }));

TEST(RtfFormat, ColourTableOfEighteenEntries)
{
    const QString table = Rtf::colourTableText();
    EXPECT_TRUE(table.startsWith("{\\colortbl\\red0\\green0\\blue0;\\red128\\green0\\blue0;\\red0\\green128\\blue0;"));
    EXPECT_TRUE(table.endsWith("\\red128\\green128\\blue128;\\red255\\green255\\blue255;}"));
    EXPECT_EQ(table.count(';'), 18);
}

TEST(RtfFormat, ColourWordOnlyForTheTablesColours)
{
    EXPECT_EQ(Rtf::colourIndex(QColor(255, 0, 0)), 9);
    EXPECT_EQ(Rtf::colourIndex(Qt::black), 0);
    EXPECT_EQ(Rtf::colourIndex(QColor(192, 192, 192)), 8);
    EXPECT_EQ(Rtf::colourIndex(QColor(128, 128, 128)), 7);
    EXPECT_EQ(Rtf::colourIndex(Qt::white), 17);
    EXPECT_EQ(Rtf::colourIndex(QColor(1, 2, 3)), 0);
}

TEST(RtfFormat, LinesArePointsOfPaperHeight)
{
    EXPECT_EQ(Rtf::lineOf(100, 842), 28);
    EXPECT_EQ(Rtf::lineOf(0, 842), 0);
    EXPECT_EQ(Rtf::lineOf(-10, 842), -1);
    EXPECT_EQ(Rtf::lineOf(2960, 842), 839);
    EXPECT_EQ(Rtf::lineOf(2966, 842), 841);
    EXPECT_EQ(Rtf::lineOf(2970, 842), -1);
}

TEST(RtfFormat, TextsOfALineOrderedByXAndArrival)
{
    std::vector<Rtf::Item> line;
    for (const auto& [x, text] : { std::pair { 500, "c" }, { 100, "a" }, { 500, "d" }, { 300, "b" } })
        Rtf::insertByX(line, item(x, 0, text));
    QStringList texts;
    for (const Rtf::Item& placed : line)
        texts << placed.escapedText;
    EXPECT_EQ(texts, QStringList({ "a", "b", "c", "d" }));
}

TEST(RtfFormat, AnExactDuplicateOnALineIsKeptOnce)
{
    std::vector<Rtf::Item> line;
    Rtf::Item bold = item(500, 100, "Tilgungsplan");
    bold.bold = true;
    for (const Rtf::Item& text :
        { item(500, 100, "Tilgungsplan"), item(500, 100, "Tilgungsplan"), item(501, 100, "Tilgungsplan"),
            item(500, 100, "Tilgungsplan", Rtf::Alignment::Centre), bold, item(500, 100, "Zinsplan") })
        Rtf::insertByX(line, text);
    ASSERT_EQ(line.size(), 5u);
    EXPECT_EQ(line[4].xNative, 501);
}

TEST(RtfFormat, TwoLabelsOfOneRowShareAParagraphWithTwoTabStops)
{
    Rtf::Item value = item(1900, 300, "1.234,56", Rtf::Alignment::Right);
    value.bold = true;
    value.fontIndex = 3;
    Rtf::PageLines lines(842);
    lines[85] = { item(200, 300, "Jahr"), value };
    EXPECT_EQ(Rtf::pageParagraphs(lines, a4WithTenMillimetreMargins()),
        QStringList({ "\\pard\\plain\\sb1084\\tql\\tx587\\tqr\\tx10225",
            "{\\plain\\fs20\\tab\\plain\\fs20 Jahr\\tab\\plain\\f3\\fs20\\b 1.234,56{\\fs1\\par}}" }));
}

TEST(RtfFormat, LabelTwentyPointsBelowGetsSpaceBefore150)
{
    Rtf::PageLines lines(842);
    lines[85] = { item(200, 300, "erste") };
    lines[105] = { item(200, 300 + 20 * 254.0L / 72, "zweite") };
    const QStringList paragraphs = Rtf::pageParagraphs(lines, a4WithTenMillimetreMargins());
    ASSERT_EQ(paragraphs.size(), 4);
    EXPECT_EQ(paragraphs.at(2), "\\pard\\plain\\sb150\\tql\\tx587");
}

// The row's leading tab in the size of its first text, not the word
// processor's 12 pt: a row of 8 pt texts is no higher than its texts.
TEST(RtfFormat, TheLeadingTabTakesTheSizeOfTheFirstText)
{
    Rtf::Item small = item(200, 300, "klein");
    small.halfPoints = 16;
    Rtf::PageLines lines(842);
    lines[85] = { small, item(900, 300, "normal") };
    EXPECT_EQ(Rtf::pageParagraphs(lines, a4WithTenMillimetreMargins()).at(1),
        "{\\plain\\fs16\\tab\\plain\\fs16 klein\\tab\\plain\\fs20 normal{\\fs1\\par}}");
}

TEST(RtfFormat, RedTextCarriesColourNineBlackNone)
{
    Rtf::Item red = item(200, 300, "rot");
    red.colour = QColor(255, 0, 0);
    Rtf::PageLines lines(842);
    lines[85] = { red, item(900, 300, "schwarz") };
    EXPECT_EQ(Rtf::pageParagraphs(lines, a4WithTenMillimetreMargins()).at(1),
        "{\\plain\\fs20\\tab\\plain\\fs20\\cf9  rot\\tab\\plain\\fs20 schwarz{\\fs1\\par}}");
}

} // namespace
