// Number parsing and the number texts used throughout: field texts, result
// labels, hints and search targets.
#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <random>

using namespace fundorix::calc;

namespace {

// An independent conversion: the C library's strtold in the "C" locale on the
// text with the decimal comma turned into a point.
long double referenceValue(std::string text)
{
    for (char& c : text)
        if (c == ',')
            c = '.';
    return std::strtold(text.c_str(), nullptr);
}

struct ParseCase {
    const char* text;
    long double value;
};

class ParseAccepted : public testing::TestWithParam<ParseCase> { };

TEST_P(ParseAccepted, GivesTheValue)
{
    const ParseCase& c = GetParam();
    EXPECT_EQ(parseDecimal(c.text), c.value) << c.text;
    ASSERT_TRUE(tryParseDecimal(c.text).has_value());
}

INSTANTIATE_TEST_SUITE_P(NumberTexts, ParseAccepted,
    testing::Values(ParseCase { "10", 10 }, ParseCase { "1,5", 1.5L }, ParseCase { "-1,25", -1.25L },
        ParseCase { "+3", 3 }, ParseCase { "0", 0 }, ParseCase { "50000", 50000 }, ParseCase { "12345,67", 12345.67L },
        ParseCase { ",5", 0.5L }, ParseCase { "5,", 5 }, ParseCase { "1,5E3", 1500 }, ParseCase { "2e-4", 0.0002L },
        ParseCase { "1E+2", 100 }, ParseCase { " 7 ", 7 }, ParseCase { "0,1", 0.1L }, ParseCase { "-561,12", -561.12L },
        ParseCase { "41134,80", 41134.8L }, ParseCase { "000000000000000000000000001", 1 }));

class ParseRejected : public testing::TestWithParam<const char*> { };

TEST_P(ParseRejected, RaisesTheConversionError)
{
    const std::string text = GetParam();
    EXPECT_FALSE(tryParseDecimal(text).has_value()) << text;
    try {
        parseDecimal(text);
        FAIL() << "no failure for " << text;
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "'" + text + "' ist kein gültiger Gleitkommawert");
        EXPECT_EQ(e.text(), text);
    }
}

INSTANTIATE_TEST_SUITE_P(NumberTexts, ParseRejected,
    testing::Values("", " ", "abc", "1.5", "1 ,5", "- 1", "1,5,", ",,5", "1,5e", "5-", "1+1", "1,000,50", "1.000,50",
        "12,345,67", "1,000.000", "1,2,3", "e5", "1e", "1e+", "--1", "+-1", "1 2", "\t1", "1\n", "0x10", "inf", "nan",
        "1e99999", ",", "-", "+", "1,5%", "1,5 €", "١"));

TEST(NumberTexts, ParsingMatchesTheCLibraryForManyTexts)
{
    std::mt19937_64 rng(20261209);
    std::uniform_int_distribution<int> digitCount(1, 24);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> exponent(-40, 40);
    for (int k = 0; k < 20000; ++k) {
        std::string text = (k & 1) ? "-" : "";
        const int intDigits = digitCount(rng) % 12;
        for (int i = 0; i < intDigits; ++i)
            text += static_cast<char>('0' + digit(rng));
        text += ',';
        const int fracDigits = digitCount(rng);
        for (int i = 0; i < fracDigits; ++i)
            text += static_cast<char>('0' + digit(rng));
        if (k % 3 == 0)
            text += "E" + std::to_string(exponent(rng));
        EXPECT_EQ(parseDecimal(text), referenceValue(text)) << text;
    }
}

// The short form (up to 18 digits, no exponent) is read in one pass and
// everything else by the general parser; on both sides of the border the
// value is the correctly rounded one.
TEST(NumberTexts, ShortAndLongFormsAgreeWithTheCLibrary)
{
    for (const char* text : { "7", "10,5", "990,5", "0,1", "0,3", "-0,7", "+12,25", " 42 ", "  -3,5  ", "5,", ",5",
             "-,5", "0000000000000000000000000000012,5", "0,000000000000000001", "0,0000000000000000001",
             "123456789012345678", "1234567890123456789", "12345678901234567890", "99999999999999999,9",
             "999999999999999999,9", "0,123456789012345678", "0,1234567890123456789", "9223372036854775807",
             "9223372036854775808", "18446744073709551615", "18446744073709551616", "1,5E3", "2e-4", "1E+2",
             "12345678901234567890123456789", "0,100000000000000000000000000000001", "4,9E-324", "1,1E4932" }) {
        EXPECT_EQ(parseDecimal(text), referenceValue(text)) << text;
    }
    // 0,1 is not a double: the extended value lies closer to one tenth.
    EXPECT_NE(parseDecimal("0,1"), static_cast<long double>(0.1));
}

TEST(NumberTexts, NegativeZeroKeepsItsSign)
{
    for (const char* text : { "-0", "-0,0", "-,0", " -000 ", "-0,00000000000000000000000000000", "-0E5" }) {
        EXPECT_EQ(parseDecimal(text), 0) << text;
        EXPECT_TRUE(std::signbit(parseDecimal(text))) << text;
    }
    EXPECT_FALSE(std::signbit(parseDecimal("0,000")));
    EXPECT_FALSE(std::signbit(parseDecimal("+0")));
}

TEST(NumberTexts, ParsingIgnoresTheProcessLocale)
{
    // Qt sets LC_NUMERIC from the environment; a German locale must not
    // change anything (when the machine has one).
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        std::setlocale(LC_NUMERIC, "de_DE");
    EXPECT_EQ(parseDecimal("123456789012345678901234,5"), 123456789012345678901234.5L);
    EXPECT_EQ(formatGeneral(1.0L / 3), "0,333333333333333");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberTexts, WholeNumbers)
{
    EXPECT_EQ(parseWholeNumber("3"), 3);
    EXPECT_EQ(parseWholeNumber("+3"), 3);
    EXPECT_EQ(parseWholeNumber("-1"), -1);
    EXPECT_EQ(parseWholeNumber("03"), 3);
    EXPECT_EQ(parseWholeNumber(" 7"), 7);
    EXPECT_EQ(parseWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(parseWholeNumber("-2147483648"), -2147483647 - 1);
    for (const char* bad :
        { "", " ", "-", "3 ", "3,0", "3.0", "abc", "1e2", "2147483648", "-2147483649", "99999999999999999999999" }) {
        EXPECT_FALSE(tryParseWholeNumber(bad).has_value()) << bad;
        try {
            parseWholeNumber(bad);
            FAIL() << bad;
        } catch (const IntegerConversionError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + bad + "' ist kein gültiger Integerwert");
        }
    }
}

TEST(NumberTexts, ReplaceFirstPointReplacesOnlyTheFirst)
{
    EXPECT_EQ(replaceFirstPoint("1.000.000"), "1,000.000");
    EXPECT_EQ(replaceFirstPoint("12345.67"), "12345,67");
    EXPECT_EQ(replaceFirstPoint("1.000,50"), "1,000,50");
    EXPECT_EQ(replaceFirstPoint(""), "");
    EXPECT_EQ(replaceFirstPoint("50"), "50");
}

TEST(NumberTexts, StoreDoubleFailsBeyondTheRangeOfDouble)
{
    EXPECT_EQ(storeDouble(0.1L), 0.1);
    EXPECT_EQ(storeDouble(1e308L), 1e308);
    try {
        storeDouble(1e309L);
        FAIL();
    } catch (const ArithmeticError& e) {
        EXPECT_EQ(e.kind(), ArithmeticError::Kind::Overflow);
        EXPECT_STREQ(e.what(), "Gleitkommaüberlauf");
    }
    EXPECT_THROW(storeDouble(-1e4000L), ArithmeticError);
    EXPECT_THROW(storeDouble(std::nanl("")), ArithmeticError);
}

TEST(NumberTexts, RoundHalfEven)
{
    EXPECT_EQ(roundHalfEven(0.5L), 0);
    EXPECT_EQ(roundHalfEven(1.5L), 2);
    EXPECT_EQ(roundHalfEven(2.5L), 2);
    EXPECT_EQ(roundHalfEven(-0.5L), 0);
    EXPECT_EQ(roundHalfEven(-1.5L), -2);
    EXPECT_EQ(roundHalfEven(-2.5L), -2);
    EXPECT_EQ(roundHalfEven(2.5000000001L), 3);
    EXPECT_EQ(roundHalfEven(-9223372036854775808.0L), INT64_MIN);
    EXPECT_EQ(roundHalfEven(9223372036854775807.0L), INT64_MAX);
    try {
        roundHalfEven(9223372036854775808.0L);
        FAIL();
    } catch (const ArithmeticError& e) {
        EXPECT_EQ(e.kind(), ArithmeticError::Kind::InvalidOperation);
        EXPECT_STREQ(e.what(), "Ungültige Gleitkommaoperation");
    }
    EXPECT_THROW(roundHalfEven(-1e19L), ArithmeticError);
    EXPECT_THROW(roundHalfEven(std::nanl("")), ArithmeticError);
}

struct TextCase {
    long double value;
    const char* text;
};

class AmountFormat : public testing::TestWithParam<TextCase> { };

TEST_P(AmountFormat, WritesCentsRoundedHalfToEven)
{
    EXPECT_EQ(formatAmount(GetParam().value), GetParam().text) << static_cast<double>(GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(NumberTexts, AmountFormat,
    testing::Values(TextCase { 41134.801433903223, "41134,80" }, TextCase { -1234.5, "-1234,50" },
        TextCase { 0, "0,00" }, TextCase { -0.0L, "0,00" }, TextCase { -0.004, "0,00" }, TextCase { 16000, "16000,00" },
        // cents half to even on the exact binary value times 100:
        TextCase { 0.125, "0,12" }, TextCase { 0.375, "0,38" }, TextCase { -0.125, "-0,12" },
        TextCase { 0.005, "0,01" }, // 0.005 as a double lies above 0,005
        TextCase { 0.015, "0,01" }, // 0.015 as a double lies below 0,015
        TextCase { 25134.8, "25134,80" }, TextCase { 999999999.99, "999999999,99" },
        TextCase { -999999999.99, "-999999999,99" }, TextCase { -0.05, "-0,05" }, TextCase { 7, "7,00" },
        TextCase { 1000000000, "1000000000,00" }, TextCase { -1000000000.01, "-1000000000,00" },
        // 11 significant digits:
        TextCase { 1234567890.12, "1234567890,10" }, TextCase { 1234567890.16, "1234567890,20" },
        TextCase { 12345678901.23, "12345678901,00" }, TextCase { 99999999999.99, "1E11" },
        TextCase { 123456789012.34, "1,2345678901E11" }, TextCase { -5e16, "-5E16" }));

TEST(NumberTexts, AmountTooLargeToRoundToCentsFails)
{
    EXPECT_THROW(formatAmount(1e17L), ArithmeticError);
    EXPECT_THROW(formatAmount(-9.3e16L), ArithmeticError);
    EXPECT_NO_THROW(formatAmount(9.2e16L));
}

class Fixed2Format : public testing::TestWithParam<TextCase> { };

TEST_P(Fixed2Format, RoundsTheDigitsHalfAwayFromZero)
{
    EXPECT_EQ(formatFixed2(GetParam().value), GetParam().text) << static_cast<double>(GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(NumberTexts, Fixed2Format,
    testing::Values(TextCase { 15.709L, "15,71" }, TextCase { 157.09L / 10, "15,71" }, TextCase { 0.125L, "0,13" },
        TextCase { -0.125L, "-0,13" }, TextCase { 0.005L, "0,01" }, TextCase { 0.004L, "0,00" },
        TextCase { -0.004L, "0,00" }, TextCase { 0, "0,00" }, TextCase { -2.747L, "-2,75" },
        TextCase { 99.995L, "100,00" }, TextCase { 1234567890.126L, "1234567890,10" }, TextCase { 1e20L, "1E20" }));

class GeneralFormat : public testing::TestWithParam<TextCase> { };

TEST_P(GeneralFormat, WritesTheShortestFormWithUpTo15Digits)
{
    EXPECT_EQ(formatGeneral(GetParam().value), GetParam().text) << static_cast<double>(GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(NumberTexts, GeneralFormat,
    testing::Values(TextCase { 600, "600" }, TextCase { 606.5L, "606,5" }, TextCase { 10.5L, "10,5" },
        TextCase { 1, "1" }, TextCase { 100, "100" }, TextCase { -0.25L, "-0,25" }, TextCase { 0.1, "0,1" },
        TextCase { 90.17, "90,17" }, TextCase { 0, "0" }, TextCase { -0.0L, "0" },
        TextCase { 1.0L / 3, "0,333333333333333" }, TextCase { 2.0L / 3, "0,666666666666667" },
        TextCase { -2.0L / 3, "-0,666666666666667" }, TextCase { 999999999999999, "999999999999999" },
        TextCase { 1e15L, "1E15" }, TextCase { 9999999999999999, "1E16" },
        TextCase { 123456789012345678, "1,23456789012346E17" }, TextCase { 0.0001L, "0,0001" },
        TextCase { 0.00001L, "1E-5" }, TextCase { 1.5e-5L, "1,5E-5" }, TextCase { -2.25e20L, "-2,25E20" },
        TextCase { 1e-300L, "1E-300" }, TextCase { 12.42L, "12,42" }, TextCase { 10 + 0.1L, "10,1" },
        TextCase { -4113.48 + 1000.0L, "-3113,48" }));

TEST(NumberTexts, GeneralTextsParseBackToTheSameText)
{
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int k = 0; k < 20000; ++k) {
        const long double v = mantissa(rng) * std::pow(10.0L, exponent(rng));
        const std::string text = formatGeneral(v);
        const long double back = parseDecimal(text);
        EXPECT_EQ(formatGeneral(back), text);
        EXPECT_LE(std::fabs(back - v), std::fabs(v) * 1e-14L) << text;
    }
}

TEST(NumberTexts, GeneralCents)
{
    EXPECT_EQ(formatGeneralCents(50.0L * 12), "600");
    EXPECT_EQ(formatGeneralCents(50.54L * 12), "606,48");
    EXPECT_EQ(formatGeneralCents(90.1741L * 12), "1082,09");
    EXPECT_EQ(formatGeneralCents(-561.123L), "-561,12");
    EXPECT_EQ(formatGeneralCents(0.004L), "0");
    EXPECT_THROW(formatGeneralCents(1e18L), ArithmeticError);
}

} // namespace
