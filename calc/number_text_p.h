// Private to calc/: helpers shared by the number texts, the simulation and
// the search.
#pragma once

#include "calc/errors.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace fundorix::calc::detail {

[[noreturn]] void throwStoreFailure(bool notANumber);

/// storeDouble, inlined into the simulation's loops. Passing a long double to
/// a function that is not inlined spills it to memory as 80 bits, which the
/// processor does not forward from store to load; inlined, the value stays on
/// the x87 register stack.
inline double store(long double value)
{
    // Beyond the range of double the conversion gives an infinity (IEC 559;
    // checking the double afterwards keeps the check off the critical path).
    const double d = static_cast<double>(value);
    if (__builtin_expect(!std::isfinite(d), 0))
        throwStoreFailure(std::isnan(d));
    return d;
}

/// The digits at p (up to end), appended to `mantissa`.
inline const char* readDigits(const char* p, const char* end, std::uint64_t& mantissa)
{
    for (; p != end; ++p) {
        const unsigned d = static_cast<unsigned char>(*p) - unsigned { '0' };
        if (d > 9)
            break;
        mantissa = mantissa * 10 + d;
    }
    return p;
}

/// 10^0 to 10^18, exact in a double (5^18 < 2^53) and so, widened, in
/// extended precision.
inline constexpr double kShortPowersOfTen[]
    = { 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18 };

/// Digits in all that the short form takes: 10^18 < 2^63, so the mantissa
/// converts as a signed integer.
inline constexpr int kMaxShortDigits = 18;

/// parseDecimal of the short form most texts have: blanks, sign, at most 18
/// digits in all (with or without a decimal part), no exponent. Read in one
/// pass; the mantissa and the power of ten are exact, so one division gives
/// the correctly rounded value, as strtold does. NaN (which no text parses
/// to) for any other text, also a malformed one: the general parser decides
/// on it. Inline and returned by value, the result stays on the x87 register
/// stack instead of going through memory as 80 bits.
inline long double shortDecimalValue(std::string_view text)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && *p == ' ')
        ++p;
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+'))
        ++p;
    std::uint64_t mantissa = 0;
    const char* const intBegin = p;
    p = readDigits(p, end, mantissa);
    const auto intDigits = p - intBegin;
    std::ptrdiff_t decimals = 0;
    if (p != end && *p == ',') {
        const char* const fracBegin = ++p;
        p = readDigits(p, end, mantissa);
        decimals = p - fracBegin;
    }
    while (p != end && *p == ' ')
        ++p;
    if (p != end || intDigits + decimals == 0 || intDigits + decimals > kMaxShortDigits)
        return std::numeric_limits<long double>::quiet_NaN();
    const long double m = static_cast<long double>(static_cast<std::int64_t>(mantissa));
    const long double value = decimals == 0 ? m : m / static_cast<long double>(kShortPowersOfTen[decimals]);
    return negative ? -value : value;
}

/// The general number format of the exact decimal number
/// ±magnitude · 10^exponent10 (what formatGeneral writes for a value that lies
/// close enough to it).
std::string generalTextOfDecimal(bool negative, std::uint64_t magnitude, int exponent10);

} // namespace fundorix::calc::detail
