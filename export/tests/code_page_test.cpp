#include "export/code_page.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage, CharacterSetsChooseTheirCodePages)
{
    EXPECT_EQ(CodePage::ofCharSet(0), 1252);
    EXPECT_EQ(CodePage::ofCharSet(1), 1252);
    EXPECT_EQ(CodePage::ofCharSet(238), 1250);
    EXPECT_EQ(CodePage::ofCharSet(204), 1251);
    EXPECT_EQ(CodePage::ofCharSet(128), 932);
    EXPECT_EQ(CodePage::ofCharSet(77), 1252);
}

TEST(CodePage, AnsiHoldsGermanLettersAndTheEuroAndSubstitutesTheRest)
{
    EXPECT_EQ(CodePage::encode(QStringLiteral("äöüß€"), CodePage::Ansi), QByteArray("\xE4\xF6\xFC\xDF\x80"));
    EXPECT_EQ(CodePage::encode(QStringLiteral("a\u0436b"), CodePage::Ansi), QByteArray("a?b"));
    EXPECT_EQ(CodePage::encode(QStringLiteral("\U0001F600"), CodePage::Ansi), QByteArray("?"));
}

TEST(CodePage, TheFiveUndefinedAnsiBytesStandForTheControlsOfTheirNumber)
{
    const QByteArray undefined("\x81\x8D\x8F\x90\x9D");
    const std::optional<QString> text = CodePage::decode(undefined, CodePage::Ansi);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, QStringLiteral("\u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(CodePage::encode(*text, CodePage::Ansi), undefined);
}

TEST(CodePage, DecodesEveryByteOfTheSingleByteCodePages)
{
    QByteArray bytes;
    for (int code = 1; code <= 255; ++code)
        bytes += static_cast<char>(code);
    for (const int codePage : { 874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, CodePage::Oem }) {
        const std::optional<QString> text = CodePage::decode(bytes, codePage);
        ASSERT_TRUE(text) << codePage;
        EXPECT_EQ(text->size(), 255) << codePage;
    }
    EXPECT_EQ(CodePage::decode(bytes, 1252)->at(0x80 - 1), QChar(0x20AC));
}

TEST(CodePage, ALoneLeadByteOfADoubleByteCodePageDoesNotDecode)
{
    EXPECT_FALSE(CodePage::decode(QByteArray("\x82"), 932));
}

}
