// Failures of the calculation module, carrying the system's own German texts
// (raised as exceptions and shown at the user action's boundary).
#pragma once

#include <stdexcept>
#include <string>

namespace fundorix::calc {

/// A text that is not a decimal number in the window's number format.
/// what() is "'<text>' ist kein gültiger Gleitkommawert" (no full stop: the
/// application's standard error box appends it by its own rule).
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text);
    /// The offending text, exactly as it was given to the parser.
    const std::string& text() const noexcept { return m_text; }

protected:
    ConversionError(const std::string& message, const std::string& text);

private:
    std::string m_text;
};

/// A text that is not a whole number (grid row 0, "Jahr").
/// what() is "'<text>' ist kein gültiger Integerwert".
class IntegerConversionError : public ConversionError {
public:
    explicit IntegerConversionError(const std::string& text);
};

/// An arithmetic failure of the extended-precision evaluation: a result too
/// large for a double, a value too large to round to a 64-bit integer (whole
/// cents), a division by zero. Inside the recompute it is swallowed;
/// inside a target search it reaches the standard error box.
class ArithmeticError : public std::runtime_error {
public:
    enum class Kind {
        Overflow, ///< "Gleitkommaüberlauf": a result beyond the range of double
        InvalidOperation, ///< "Ungültige Gleitkommaoperation": rounding beyond 64-bit integers, 0/0
        ZeroDivide, ///< "Gleitkommadivision durch Null"
    };
    explicit ArithmeticError(Kind kind);
    Kind kind() const noexcept { return m_kind; }

private:
    Kind m_kind;
};

} // namespace fundorix::calc
