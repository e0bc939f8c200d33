#include "export/html/html_markup.h"
#include "export/html/picture_file.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

class HtmlEscape : public testing::TestWithParam<TextCase> { };

TEST_P(HtmlEscape, EntitiesForMarkupCharactersAndSpaces)
{
    EXPECT_EQ(HtmlMarkup::escapeText(QString::fromUtf8(GetParam().input)), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Texts, HtmlEscape,
    testing::Values(TextCase { "A & B < C", "A&nbsp;&amp;&nbsp;B&nbsp;&lt;&nbsp;C" }, TextCase { "a>b", "a&gt;b" },
        // An ampersand already in the text is escaped once, not taken for an entity.
        TextCase { "&lt;", "&amp;lt;" }, TextCase { "\"jährlich\"", "\"jährlich\"" }, TextCase { "", "" }));

class CharacterReferences : public testing::TestWithParam<TextCase> { };

TEST_P(CharacterReferences, EverythingOutsideAsciiBecomesANumericReference)
{
    EXPECT_EQ(HtmlMarkup::withCharacterReferences(QString::fromUtf8(GetParam().input)),
        QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Texts, CharacterReferences,
    testing::Values(TextCase { "jährlich", "j&#228;hrlich" }, TextCase { "12,50 €", "12,50 &#8364;" },
        TextCase { "Größe", "Gr&#246;&#223;e" },
        // A character outside the basic plane is one reference, not two halves.
        TextCase { "\xF0\x9F\x98\x80", "&#128512;" }, TextCase { "<div>\r\n", "<div>\r\n" }));

TEST(HtmlMarkup, ColourTextIsLowerCaseHexOfRedGreenBlue)
{
    EXPECT_EQ(HtmlMarkup::colourText(Qt::white), "#ffffff");
    EXPECT_EQ(HtmlMarkup::colourText(QColor(255, 0, 0)), "#ff0000");
    EXPECT_EQ(HtmlMarkup::colourText(QColor(1, 2, 171)), "#0102ab");
}

TEST(HtmlMarkup, StyleWeightAndColourFollowTheSize)
{
    const QStringList block = HtmlMarkup::textBlock(1, 2, { "Arial", 14, true, true, QColor(255, 0, 0) }, "x");
    EXPECT_EQ(block.first(),
        "<div style=\"position:absolute;top:2px;left:1px;font-family:Arial;font-size:14pt;"
        "font-style:italic;font-weight:bold;color:#ff0000;\">\r\n");
}

struct PictureCase {
    const char* html;
    const char* pictureDir;
    const char* path;
    const char* source;
};

class PictureFileName : public testing::TestWithParam<PictureCase> { };

TEST_P(PictureFileName, BesideTheHtmlFileAndNamedAfterIt)
{
    const PictureFile file = pictureFileFor(GetParam().html, "BVImage1", GetParam().pictureDir);
    EXPECT_EQ(file.path, GetParam().path);
    EXPECT_EQ(file.source, GetParam().source);
}

INSTANTIATE_TEST_SUITE_P(Files, PictureFileName,
    testing::Values(PictureCase { "/tmp/out/plan.htm", "", "/tmp/out/plan_BVImage1.jpg", "plan_BVImage1.jpg" },
        PictureCase { "/tmp/out/my.plan.HTM", "", "/tmp/out/my.plan_BVImage1.jpg", "my.plan_BVImage1.jpg" },
        PictureCase {
            "/tmp/out/plan.htm", "bilder/", "/tmp/out/bilder/plan_BVImage1.jpg", "bilder/plan_BVImage1.jpg" }));

} // namespace
