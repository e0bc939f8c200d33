#include "calc/number_text.h"

#include "calc/number_text_p.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace fundorix::calc {

namespace {

    using Extended = long double;

    // Powers of ten that are exact in the 64-bit mantissa of long double
    // (5^27 < 2^64), so that mantissa / 10^k is one correctly rounded division.
    constexpr int kMaxExactPower = 27;

    const std::array<Extended, kMaxExactPower + 1>& exactPowersOfTen()
    {
        static const std::array<Extended, kMaxExactPower + 1> table = [] {
            std::array<Extended, kMaxExactPower + 1> t {};
            Extended p = 1;
            for (auto& v : t) {
                v = p;
                p *= 10;
            }
            return t;
        }();
        return table;
    }

    // The "C" locale for strtold_l: Qt sets LC_NUMERIC from the environment,
    // and the process locale must never change how a field text parses.
    locale_t cLocale()
    {
        static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return loc;
    }

    bool isDigit(char c) { return c >= '0' && c <= '9'; }

    // The grammar of parseDecimal, checked by hand (strtold alone would also
    // take hexadecimal, "inf", "nan" and leading white space of any kind).
    // On success `mantissa` holds the digits without the decimal comma,
    // `pointShift` the number of digits after the comma, and
    // [expBegin, expEnd) the exponent digits with their sign.
    struct Scanned {
        bool negative = false;
        std::string_view intDigits;
        std::string_view fracDigits;
        std::string_view exponent; // with optional sign; empty when absent
    };

    bool scanDecimal(std::string_view s, Scanned& out)
    {
        std::size_t i = 0;
        const std::size_t n = s.size();
        while (i < n && s[i] == ' ')
            ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) {
            out.negative = s[i] == '-';
            ++i;
        }
        std::size_t start = i;
        while (i < n && isDigit(s[i]))
            ++i;
        out.intDigits = s.substr(start, i - start);
        if (i < n && s[i] == ',') {
            ++i;
            start = i;
            while (i < n && isDigit(s[i]))
                ++i;
            out.fracDigits = s.substr(start, i - start);
        }
        if (out.intDigits.empty() && out.fracDigits.empty())
            return false;
        if (i < n && (s[i] == 'e' || s[i] == 'E')) {
            ++i;
            start = i;
            if (i < n && (s[i] == '+' || s[i] == '-'))
                ++i;
            const std::size_t digitsStart = i;
            while (i < n && isDigit(s[i]))
                ++i;
            if (i == digitsStart)
                return false;
            out.exponent = s.substr(start, i - start);
        }
        while (i < n && s[i] == ' ')
            ++i;
        return i == n;
    }

    // Fast exact path: up to 19 significant digits and a net power of ten
    // within the exact table give one correctly rounded operation, the same
    // value strtold gives.
    bool fastValue(const Scanned& sc, Extended& value)
    {
        std::uint64_t mantissa = 0;
        int digits = 0;
        auto take = [&](std::string_view ds) {
            for (char c : ds) {
                if (digits == 0 && c == '0')
                    continue; // leading zeros carry no precision
                if (++digits > 19)
                    return false;
                mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
            }
            return true;
        };
        if (!take(sc.intDigits) || !take(sc.fracDigits))
            return false;
        long power = -static_cast<long>(sc.fracDigits.size());
        if (!sc.exponent.empty()) {
            if (sc.exponent.size() > 6)
                return false;
            long e = 0;
            std::size_t k = 0;
            bool negExp = false;
            if (sc.exponent[0] == '+' || sc.exponent[0] == '-') {
                negExp = sc.exponent[0] == '-';
                k = 1;
            }
            for (; k < sc.exponent.size(); ++k)
                e = e * 10 + (sc.exponent[k] - '0');
            power += negExp ? -e : e;
        }
        if (mantissa == 0) {
            value = sc.negative ? -0.0L : 0.0L;
            return true;
        }
        if (power < -kMaxExactPower || power > kMaxExactPower)
            return false;
        const auto& pow10 = exactPowersOfTen();
        Extended m = static_cast<Extended>(mantissa);
        value = power >= 0 ? m * pow10[static_cast<std::size_t>(power)] : m / pow10[static_cast<std::size_t>(-power)];
        if (sc.negative)
            value = -value;
        return true;
    }

    bool slowValue(const Scanned& sc, Extended& value)
    {
        std::string c;
        c.reserve(sc.intDigits.size() + sc.fracDigits.size() + sc.exponent.size() + 4);
        if (sc.negative)
            c += '-';
        c.append(sc.intDigits.empty() ? std::string_view("0") : sc.intDigits);
        c += '.';
        c.append(sc.fracDigits);
        if (!sc.exponent.empty()) {
            c += 'e';
            c.append(sc.exponent);
        }
        char* end = nullptr;
        value = strtold_l(c.c_str(), &end, cLocale());
        if (end != c.c_str() + c.size())
            return false;
        // Beyond the range of extended precision: not a number the original
        // could hold; below it: 0 (or a denormal), as the original gives.
        return std::isfinite(value);
    }

    // ------------------------------------------------------------ digits

    // A decimal digit string: value = 0.d1 d2 d3 ... × 10^exponent, as the
    // original's FloatToDecimal produces it: at most 18 significant digits,
    // then rounded half away from zero to what the format needs.
    struct DecimalDigits {
        bool negative = false;
        std::string digits; // no leading zeros; empty for zero
        int exponent = 0;
    };

    void stripTrailingZeros(DecimalDigits& d)
    {
        while (!d.digits.empty() && d.digits.back() == '0')
            d.digits.pop_back();
        if (d.digits.empty())
            d.exponent = 0;
    }

    DecimalDigits digitsOfInteger(std::uint64_t magnitude, bool negative, int scale)
    {
        DecimalDigits d;
        if (magnitude == 0)
            return d;
        d.negative = negative;
        d.digits = std::to_string(magnitude);
        d.exponent = static_cast<int>(d.digits.size()) - scale;
        if (d.digits.size() > 18) {
            // The 18-digit rendering of the original (round half to even on
            // the decimal digits of an integer this large is immaterial: the
            // formats round further to 15 or 11 digits).
            const char next = d.digits[18];
            d.digits.resize(18);
            if (next >= '5') {
                int k = 17;
                while (k >= 0 && d.digits[static_cast<std::size_t>(k)] == '9')
                    d.digits[static_cast<std::size_t>(k--)] = '0';
                if (k < 0) {
                    d.digits.insert(d.digits.begin(), '1');
                    d.digits.pop_back();
                    ++d.exponent;
                } else {
                    ++d.digits[static_cast<std::size_t>(k)];
                }
            }
        }
        stripTrailingZeros(d);
        return d;
    }

    DecimalDigits digitsOf(Extended v)
    {
        DecimalDigits d;
        if (v == 0 || !std::isfinite(v))
            return d;
        const bool negative = std::signbit(v);
        const Extended mag = negative ? -v : v;
        if (mag < 1e18L && mag == std::floor(mag))
            return digitsOfInteger(static_cast<std::uint64_t>(mag), negative, 0);
        // 18 significant digits, correctly rounded. The radix character of
        // the C library's locale is skipped, whatever it is.
        char buf[64];
        const int len = std::snprintf(buf, sizeof buf, "%.17Le", mag);
        d.negative = negative;
        int i = 0;
        for (; i < len && buf[i] != 'e'; ++i) {
            if (isDigit(buf[i]))
                d.digits += buf[i];
        }
        d.exponent = std::atoi(buf + i + 1) + 1;
        stripTrailingZeros(d);
        return d;
    }

    // Keeps the first `keep` significant digits, rounding half away from zero
    // (the original rounds its 18-digit string: digit >= '5' rounds up).
    void roundDigits(DecimalDigits& d, int keep)
    {
        if (d.digits.empty() || static_cast<int>(d.digits.size()) <= keep)
            return;
        if (keep < 0) {
            d.digits.clear();
            d.exponent = 0;
            return;
        }
        const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
        d.digits.resize(static_cast<std::size_t>(keep));
        if (up) {
            int k = keep - 1;
            while (k >= 0 && d.digits[static_cast<std::size_t>(k)] == '9')
                d.digits[static_cast<std::size_t>(k--)] = '0';
            if (k < 0) {
                d.digits.insert(d.digits.begin(), '1');
                ++d.exponent;
            } else {
                ++d.digits[static_cast<std::size_t>(k)];
            }
        }
        stripTrailingZeros(d);
    }

    std::string exponentText(const DecimalDigits& d)
    {
        std::string s;
        if (d.negative)
            s += '-';
        s += d.digits[0];
        if (d.digits.size() > 1) {
            s += ',';
            s.append(d.digits, 1, std::string::npos);
        }
        s += 'E';
        s += std::to_string(d.exponent - 1);
        return s;
    }

    constexpr int kGeneralPrecision = 15;
    constexpr int kFixedPrecision = 11;
    constexpr int kFixedDecimals = 2;

    std::string generalText(DecimalDigits d)
    {
        roundDigits(d, kGeneralPrecision);
        if (d.digits.empty())
            return "0";
        if (d.exponent > kGeneralPrecision || d.exponent < -3)
            return exponentText(d);
        std::string s;
        if (d.negative)
            s += '-';
        const int e = d.exponent;
        const int size = static_cast<int>(d.digits.size());
        if (e <= 0) {
            s += "0,";
            s.append(static_cast<std::size_t>(-e), '0');
            s += d.digits;
        } else if (size <= e) {
            s += d.digits;
            s.append(static_cast<std::size_t>(e - size), '0');
        } else {
            s.append(d.digits, 0, static_cast<std::size_t>(e));
            s += ',';
            s.append(d.digits, static_cast<std::size_t>(e), std::string::npos);
        }
        return s;
    }

    std::string fixed2Text(DecimalDigits d)
    {
        if (!d.digits.empty()) {
            const int keep = std::min(kFixedPrecision, d.exponent + kFixedDecimals);
            roundDigits(d, keep);
        }
        if (d.digits.empty())
            return "0,00";
        if (d.exponent > kFixedPrecision)
            return exponentText(d);
        std::string s;
        if (d.negative)
            s += '-';
        const int e = d.exponent;
        auto digitAt = [&](int k) {
            return k >= 0 && k < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(k)] : '0';
        };
        if (e <= 0) {
            s += '0';
        } else {
            for (int k = 0; k < e; ++k)
                s += digitAt(k);
        }
        s += ',';
        for (int k = e; k < e + kFixedDecimals; ++k)
            s += digitAt(k);
        return s;
    }

    DecimalDigits digitsOfCents(std::int64_t cents)
    {
        const bool negative = cents < 0;
        const std::uint64_t mag = negative ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
        return digitsOfInteger(mag, negative, 2);
    }

    // Below 10^11 cents the amount has at most 11 significant digits, which
    // the fixed format writes in full, without rounding.
    constexpr std::int64_t kCentsInFull = 100000000000;

    // The fixed text of cents / 100 for |cents| < kCentsInFull: "-1234,50",
    // "0,05", "0,00".
    std::string fullCentsText(std::int64_t cents)
    {
        char text[16];
        char* const end = text + sizeof text;
        char* p = end;
        std::uint64_t mag = cents < 0 ? 0 - static_cast<std::uint64_t>(cents) : static_cast<std::uint64_t>(cents);
        for (int k = 0; k < kFixedDecimals; ++k) {
            *--p = static_cast<char>('0' + mag % 10);
            mag /= 10;
        }
        *--p = ',';
        do {
            *--p = static_cast<char>('0' + mag % 10);
            mag /= 10;
        } while (mag != 0);
        if (cents < 0)
            *--p = '-';
        return std::string(p, end);
    }

} // namespace

// ---------------------------------------------------------------- parsing

std::optional<long double> tryParseDecimal(std::string_view text) noexcept
{
    const Extended shortForm = detail::shortDecimalValue(text);
    if (!std::isnan(shortForm))
        return shortForm;
    Scanned sc;
    Extended value = 0;
    if (!scanDecimal(text, sc))
        return std::nullopt;
    if (fastValue(sc, value))
        return value;
    try {
        if (slowValue(sc, value))
            return value;
    } catch (...) {
    }
    return std::nullopt;
}

long double parseDecimal(std::string_view text)
{
    // The common case without the optional: a long double passed through
    // memory is stored and loaded as 80 bits, which stalls the load.
    const Extended shortForm = detail::shortDecimalValue(text);
    if (!std::isnan(shortForm))
        return shortForm;
    if (auto v = tryParseDecimal(text))
        return *v;
    throw ConversionError(std::string(text));
}

std::optional<std::int32_t> tryParseWholeNumber(std::string_view s) noexcept
{
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i == n)
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < n; ++i) {
        if (!isDigit(s[i]))
            return std::nullopt;
        value = value * 10 + (s[i] - '0');
        if (value > static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t parseWholeNumber(std::string_view text)
{
    if (auto v = tryParseWholeNumber(text))
        return *v;
    throw IntegerConversionError(std::string(text));
}

std::string replaceFirstPoint(std::string text)
{
    const auto pos = text.find('.');
    if (pos != std::string::npos)
        text[pos] = ',';
    return text;
}

// ----------------------------------------------------- extended precision

namespace detail {
    void throwStoreFailure(bool notANumber)
    {
        throw ArithmeticError(notANumber ? ArithmeticError::Kind::InvalidOperation : ArithmeticError::Kind::Overflow);
    }

    std::string generalTextOfDecimal(bool negative, std::uint64_t magnitude, int exponent10)
    {
        return generalText(digitsOfInteger(magnitude, negative, -exponent10));
    }
}

double storeDouble(long double value) { return detail::store(value); }

std::int64_t roundHalfEven(long double value)
{
    // The default rounding mode: to nearest, ties to even (the original's
    // Round). rint rounds exactly as nearbyint does; it only may raise the
    // inexact flag, which nothing reads, and it spares the saving and
    // restoring of the floating-point environment.
    const Extended r = std::rint(value);
    constexpr Extended kLimit = 9223372036854775808.0L; // 2^63
    if (!(r >= -kLimit && r < kLimit)) // also NaN
        throw ArithmeticError(ArithmeticError::Kind::InvalidOperation);
    return static_cast<std::int64_t>(r);
}

long double roundToCents(long double value) { return static_cast<Extended>(roundHalfEven(value * 100)) / 100; }

// ----------------------------------------------------------- number texts

std::string formatAmount(long double value)
{
    // round(value * 100) / 100 written with 18 digits is exactly the decimal
    // number cents / 100, so the text is built from the integer itself.
    const std::int64_t cents = roundHalfEven(value * 100);
    if (cents > -kCentsInFull && cents < kCentsInFull)
        return fullCentsText(cents);
    return fixed2Text(digitsOfCents(cents));
}

std::string formatFixed2(long double value) { return fixed2Text(digitsOf(value)); }

std::string formatGeneral(long double value) { return generalText(digitsOf(value)); }

std::string formatGeneralCents(long double value) { return generalText(digitsOfCents(roundHalfEven(value * 100))); }

} // namespace fundorix::calc
