#include "report/engine/line_format.h"

#include <gtest/gtest.h>

namespace {

// Every character is 10 units wide, so widths in the cases below are easy to follow.
qreal tenPerCharacter(const QString& text) { return 10.0 * text.size(); }

struct FormatCase {
    const char* name;
    QString text;
    LineFormatOptions options;
    QStringList lines;
};

LineFormatOptions wrapped(qreal width, TWrapStyle style = TWrapStyle::BreakOnSpaces, bool wordWrap = true)
{
    return { false, wordWrap, style, width };
}

class LineFormatting : public ::testing::TestWithParam<FormatCase> { };

TEST_P(LineFormatting, BreaksTextIntoLines)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatText(c.text, c.options, tenPerCharacter), c.lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, LineFormatting,
    ::testing::Values(FormatCase { "CarriageReturnLineFeedGivesTwoLines", "Zeile 1\r\nZeile 2", { true, true, {}, 0 },
                          { "Zeile 1", "Zeile 2" } },
        FormatCase { "LineFeedAloneJoinsTheParts", "Zei\nle", { true, true, {}, 0 }, { "Zeile" } },
        FormatCase { "AutoSizeKeepsOneLine", "aaa bbb ccc", { true, true, {}, 15 }, { "aaa bbb ccc" } },
        FormatCase { "WordsWrapAtSpaces", "aaa bbb ccc", wrapped(55), { "aaa ", "bbb ", "ccc" } },
        FormatCase { "HyphenEndsAWord", "Sonder-zahlung", wrapped(80), { "Sonder-", "zahlung" } },
        FormatCase { "TooWideFirstWordIsCutToWhatFitsNarrower", "abcdefg", wrapped(35), { "abc" } },
        FormatCase { "TooWideLaterWordIsCutToWhatFits", "ab abcdefg", wrapped(30), { "ab ", "abc" } },
        FormatCase { "ZeroWidthKeepsNoCharacter", "ab abcdefg", wrapped(0), { "", "" } },
        FormatCase { "BreakAnywhereSplitsCharacters", "abcdefgh", wrapped(35, TWrapStyle::BreakAnywhere),
            { "abc", "def", "gh" } },
        FormatCase { "BreakAnywhereDropsABlankLastLine", "abc ", wrapped(30, TWrapStyle::BreakAnywhere), { "abc" } },
        FormatCase { "WithoutWordWrapTheTextIsCutAtTheFirstOverflow", "aaa bbb ccc",
            wrapped(55, TWrapStyle::BreakOnSpaces, false), { "aaa " } },
        FormatCase { "EachParagraphWrapsOnItsOwn", "aa bb\rcc", wrapped(30), { "aa ", "bb", "cc" } }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
