#include "calc/errors.h"

namespace fundorix::calc {

namespace {
    const char* arithmeticMessage(ArithmeticError::Kind kind)
    {
        switch (kind) {
        case ArithmeticError::Kind::Overflow:
            return "Gleitkommaüberlauf";
        case ArithmeticError::Kind::ZeroDivide:
            return "Gleitkommadivision durch Null";
        case ArithmeticError::Kind::InvalidOperation:
            break;
        }
        return "Ungültige Gleitkommaoperation";
    }
}

ConversionError::ConversionError(const std::string& text)
    : ConversionError("'" + text + "' ist kein gültiger Gleitkommawert", text)
{
}

ConversionError::ConversionError(const std::string& message, const std::string& text)
    : std::runtime_error(message)
    , m_text(text)
{
}

IntegerConversionError::IntegerConversionError(const std::string& text)
    : ConversionError("'" + text + "' ist kein gültiger Integerwert", text)
{
}

ArithmeticError::ArithmeticError(Kind kind)
    : std::runtime_error(arithmeticMessage(kind))
    , m_kind(kind)
{
}

} // namespace fundorix::calc
