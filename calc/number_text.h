// Number parsing and the number texts of the whole system: decimal comma, no thousands separator in
// input, amounts rounded half to even to whole cents.
//
// Everything here is independent of the process locale (Qt sets LC_NUMERIC from
// the environment; these functions never consult it).
#pragma once

#include "calc/errors.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fundorix::calc {

// ---------------------------------------------------------------- parsing

/// Parses a decimal number in the window's number format and returns it in
/// extended precision (the original's StrToFloat result, before any store).
///
/// Accepted: optional blanks (' '), optional sign '+' or '-', digits with an
/// optional decimal part after ',' (at least one digit in all: "5", "5,",
/// ",5", "-1,25"), an optional exponent 'E' or 'e' with optional sign and at
/// least one digit ("1,5E3", "2e-4"), optional blanks. Nothing else: no
/// thousands separator, no '.', no other white space. A value beyond the range
/// of long double does not parse; one below it becomes 0.
///
/// Throws ConversionError ("'<text>' ist kein gültiger Gleitkommawert").
long double parseDecimal(std::string_view text);

/// As parseDecimal, but returns std::nullopt instead of throwing.
std::optional<long double> tryParseDecimal(std::string_view text) noexcept;

/// Parses a whole number (grid row 0 "Jahr"; line 6 of the settings file):
/// optional leading blanks, optional sign, decimal digits, nothing after them;
/// the value must fit a 32-bit signed integer.
/// Throws IntegerConversionError ("'<text>' ist kein gültiger Integerwert").
std::int32_t parseWholeNumber(std::string_view text);

/// As parseWholeNumber, but returns std::nullopt instead of throwing.
std::optional<std::int32_t> tryParseWholeNumber(std::string_view text) noexcept;

/// Replaces the first '.' of the text (only the first) by ','. Used for the
/// target text of the searches and for the recompute's correction of the five
/// number fields (one point per write).
std::string replaceFirstPoint(std::string text);

// ----------------------------------------------------- extended precision

/// Stores an extended-precision result into a double, as every assignment of
/// the calculation does (round to nearest). Throws ArithmeticError(Overflow)
/// when the value is beyond the range of double, and
/// ArithmeticError(InvalidOperation) when it is not a number.
double storeDouble(long double value);

/// Rounds half to even to a 64-bit integer (the original's Round()).
/// Throws ArithmeticError(InvalidOperation) when the result does not fit
/// (the recompute's "too large to round" failure) or the value is not a number.
std::int64_t roundHalfEven(long double value);

/// Rounding to whole cents as the whole system uses it:
/// roundHalfEven(value * 100) / 100, evaluated in extended precision
/// (value * 100 is exact for any double value).
/// Throws ArithmeticError(InvalidOperation) when value * 100 is beyond 64 bits.
long double roundToCents(long double value);

// ----------------------------------------------------------- number texts

/// The amount format (result labels): rounded to whole cents half to even,
/// then formatFixed2 of the result: "41134,80", "-1234,50", "0,00".
/// Throws ArithmeticError(InvalidOperation) when too large to round to cents.
std::string formatAmount(long double value);

/// The fixed format with exactly two decimals, decimal comma, no thousands
/// separator and at most 11 significant digits, without a previous rounding to
/// cents (the hint of AnlageProzent): the value's decimal digits are rounded
/// half away from zero to two decimals, or to 11 significant digits when the
/// integer part has 10 or 11 digits (the digits beyond are written as 0:
/// 1234567890,12 -> "1234567890,10"). A value whose integer part has more than
/// 11 digits is written in exponent form with 11 significant digits:
/// "1,2345678901E15", "-5E20". A value that shows as zero is "0,00" (never
/// "-0,00").
std::string formatFixed2(long double value);

/// The general number format (spinner results, hints, chart labels, trial
/// values of the searches): shortest form with up to 15 significant digits
/// (rounded half away from zero), decimal comma, no thousands separator, no
/// trailing zeros: "600", "606,5", "10,5", "-0,25", "0,0001". Values of 1E15 and
/// beyond, and below 0,0001 (but not 0), are written in exponent form: "1E15",
/// "1,5E-5", "-2,25E20". Every text it returns parses with parseDecimal.
std::string formatGeneral(long double value);

/// formatGeneral(roundHalfEven(value * 100) / 100): the general format of a
/// value rounded to cents ("Sparen · 12 rounded to cents", the searches'
/// final field values). Throws ArithmeticError(InvalidOperation) when too large.
std::string formatGeneralCents(long double value);

} // namespace fundorix::calc
