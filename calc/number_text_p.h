// Private to calc/: helpers shared by the number texts, the simulation and
// the search.
#pragma once

#include "calc/errors.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace fundorix::calc::detail {

[[noreturn]] void throwStoreFailure(bool notANumber);

/// storeDouble, inlined into the simulation's loops. Passing a long double to
/// a function that is not inlined spills it to memory as 80 bits, which the
/// processor does not forward from store to load; inlined, the value stays on
/// the x87 register stack.
inline double store(long double value)
{
    // DBL_MAX plus half an ulp: from here on rounding to double gives infinity
    // (checked before the conversion, which C++ leaves undefined beyond it).
    constexpr long double kOverflow = 0x1.fffffffffffff8p1023L;
    if (__builtin_expect(!(std::fabs(value) < kOverflow), 0))
        throwStoreFailure(std::isnan(value));
    return static_cast<double>(value);
}

/// The general number format of the exact decimal number
/// ±magnitude · 10^exponent10 (what formatGeneral writes for a value that lies
/// close enough to it).
std::string generalTextOfDecimal(bool negative, std::uint64_t magnitude, int exponent10);

} // namespace fundorix::calc::detail
