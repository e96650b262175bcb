#include "ui/runtime_error.h"

namespace zarvona {

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description), m_number(number)
{
}

RuntimeError RuntimeError::invalidProcedureCall()
{
    return {InvalidProcedureCall, "Invalid procedure call or argument"};
}

RuntimeError RuntimeError::overflow() { return {Overflow, "Overflow"}; }

RuntimeError RuntimeError::typeMismatch() { return {TypeMismatch, "Type mismatch"}; }

RuntimeError RuntimeError::invalidPropertyValue()
{
    return {InvalidPropertyValue, "Invalid property value"};
}

RuntimeError RuntimeError::notSupported()
{
    return {NotSupported, "Object doesn't support this property or method"};
}

} // namespace zarvona
