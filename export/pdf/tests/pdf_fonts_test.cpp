#include "export/code_page.h"
#include "export/pdf/glyph_names.h"
#include "export/pdf/pdf_fonts.h"

#include <gtest/gtest.h>

namespace {

TEST(PdfFontKeys, NameStyleCharacterSetAndBaseFont)
{
    EXPECT_EQ(TPDFFontKey({ "Arial", false, false, 1 }).key(), "Arial\t\t1\tArial");
    EXPECT_EQ(TPDFFontKey({ "Arial", true, false, 0 }).key(), "Arial\tB\t0\tArial,Bold");
    EXPECT_EQ(TPDFFontKey({ "Times New Roman", true, true, 1 }).baseFontName(), "TimesNewRoman,BoldItalic");
    EXPECT_EQ(TPDFFontKey({ "Arial", false, true, 1 }).baseFontName(), "Arial,Italic");
}

TEST(PdfFontEncoding, TheAnsiCodePageAsGlyphNamesFromTwoOn)
{
    const QString encoding = fontEncoding(1252);
    const QString start = " <</Type/Encoding /Differences [ 2 ";
    ASSERT_TRUE(encoding.startsWith(start + QStringLiteral("/space").repeated(30) + "/space/exclam"))
        << encoding.left(300).toStdString();
    EXPECT_TRUE(encoding.endsWith("/ydieresis]>>"));
    const QStringList names = encoding.mid(start.size(), encoding.size() - start.size() - 3).split('/').mid(1);
    ASSERT_EQ(names.size(), 254);
    const auto nameOf = [&names](int code) { return names.at(code - 2); };
    EXPECT_EQ(nameOf(32), "space");
    EXPECT_EQ(nameOf(65), "A");
    EXPECT_EQ(nameOf(128), "Euro");
    EXPECT_EQ(nameOf(129), "space");
    EXPECT_EQ(nameOf(228), "adieresis");
    EXPECT_EQ(nameOf(223), "germandbls");
}

TEST(PdfFontEncoding, ACodePageWhoseBytesDoNotConvertOneByOneFallsBackToWinAnsi)
{
    EXPECT_EQ(fontEncoding(932), " <</Type/Encoding /BaseEncoding /WinAnsiEncoding>>");
}

TEST(GlyphNames, EveryCharacterOfTheCodePagesHasAName)
{
    QByteArray bytes;
    for (int code = 1; code <= 255; ++code)
        bytes += static_cast<char>(code);
    for (const int charSet : { 0, 161, 162, 163, 177, 178, 186, 204, 222, 238, 255 }) {
        const int codePage = CodePage::ofCharSet(charSet);
        const std::optional<QString> characters = CodePage::decode(bytes, codePage);
        ASSERT_TRUE(characters) << codePage;
        for (const QChar character : *characters) {
            const char16_t code = character.unicode();
            const bool control = code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0xFFFD;
            if (!control) {
                EXPECT_FALSE(glyphNameOf(code).isEmpty()) << "code page " << codePage << " U+" << std::hex << code;
            }
        }
    }
}

TEST(GlyphNames, NamesOfTheGlyphList)
{
    EXPECT_EQ(glyphNameOf(0x41), "A");
    EXPECT_EQ(glyphNameOf(0xC6), "AE");
    EXPECT_EQ(glyphNameOf(0x20AC), "Euro");
    EXPECT_EQ(glyphNameOf(0x20), "space");
    EXPECT_TRUE(glyphNameOf(0x81).isEmpty());
}

TEST(PdfFontMetrics, ArialIsMeasuredOnItsMetricCompatibleFace)
{
    const TTFontrec arial = measureFont({ "Arial", false, false, 1 });
    // Arial's published advances at an em of 2048: A 1366, space 569, ä 1139.
    EXPECT_EQ(arial.Widths['A'], 683);
    EXPECT_EQ(arial.Widths[' '], 284); // 284.5, halves to even
    EXPECT_EQ(arial.Widths[0xE4], 570);
    EXPECT_EQ(arial.FirstChar, 0);
    EXPECT_EQ(arial.LastChar, 255);
    EXPECT_GT(arial.Ascent, 0);
    EXPECT_LT(arial.Descent, 0);
    EXPECT_EQ(arial.ItalicAngle, 0);
    EXPECT_LT(arial.FontBBox[0], 0);
    EXPECT_GT(arial.FontBBox[2], 2048);
    const TTFontrec bold = measureFont({ "Arial", true, false, 1 });
    EXPECT_NE(bold.Widths['A'], 0);
    EXPECT_NE(bold.FontBBox, arial.FontBBox);
}

TEST(PdfFontMetrics, FlagsFollowTheFamilyClass)
{
    EXPECT_EQ(fontFlagsOfFamilyClass(0), 4);
    EXPECT_EQ(fontFlagsOfFamilyClass(8), 32);
    EXPECT_EQ(fontFlagsOfFamilyClass(10), 40);
    EXPECT_EQ(fontFlagsOfFamilyClass(12), 4);
    EXPECT_EQ(fontFlagsOfFamilyClass(1), 34);
}

TEST(PdfFontObjects, TheWidthsLineHoldsExactly256Numbers)
{
    TTFontrec metrics;
    metrics.Widths.fill(500);
    metrics.FontBBox = { -1361, -665, 4096, 2060 };
    metrics.Encoding = " <<>>";
    const QStringList dictionary = fontDictionaryLines({ "Arial", true, false, 1 }, metrics, 1, 13);
    EXPECT_EQ(dictionary.at(3), "/Name /F01");
    EXPECT_EQ(dictionary.at(4), "/BaseFont /Arial,Bold");
    EXPECT_EQ(dictionary.at(7), "/Widths [ ");
    EXPECT_EQ(dictionary.at(8).split(' ', Qt::SkipEmptyParts).size(), 256 + 1);
    EXPECT_TRUE(dictionary.at(8).endsWith("500  ]"));
    EXPECT_EQ(dictionary.at(9), "/Encoding  <<>>");
    EXPECT_EQ(dictionary.at(10), "/FontDescriptor 13 0 R");
    EXPECT_TRUE(fontDescriptorLines(metrics, 1).contains("/FontBBox [ -1361 -665 4096 2060 ]"));
    EXPECT_TRUE(fontDescriptorLines(metrics, 1).contains("/FontName /F01"));
}

}
