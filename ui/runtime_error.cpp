#include "ui/runtime_error.h"

namespace zarvona {

RuntimeError::RuntimeError(int number, const std::string& description)
    : std::runtime_error(description), m_number(number)
{
}

RuntimeError RuntimeError::invalidProcedureCall()
{
    return {5, "Invalid procedure call or argument"};
}

RuntimeError RuntimeError::overflow() { return {6, "Overflow"}; }

RuntimeError RuntimeError::typeMismatch() { return {13, "Type mismatch"}; }

RuntimeError RuntimeError::notSupported()
{
    return {438, "Object doesn't support this property or method"};
}

} // namespace zarvona
