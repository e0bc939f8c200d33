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
    // Beyond the range of double the conversion gives an infinity (IEC 559;
    // checking the double afterwards keeps the check off the critical path).
    const double d = static_cast<double>(value);
    if (__builtin_expect(!std::isfinite(d), 0))
        throwStoreFailure(std::isnan(d));
    return d;
}

/// The general number format of the exact decimal number
/// ±magnitude · 10^exponent10 (what formatGeneral writes for a value that lies
/// close enough to it).
std::string generalTextOfDecimal(bool negative, std::uint64_t magnitude, int exponent10);

} // namespace fundorix::calc::detail
