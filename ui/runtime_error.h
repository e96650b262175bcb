// A run-time error: a number and a description, raised by any control-model operation or
// conversion that fails. The program's procedures never catch one; the event wiring does.
#pragma once

#include <stdexcept>
#include <string>

namespace zarvona {

// The run-time's error numbers that the program can meet.
enum ErrorNumber : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    TypeMismatch = 13,
    InternalError = 51,
    InvalidPropertyValue = 380,
    NotSupported = 438, // no such property or method on the control
};

class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(int number, const std::string& description);

    int number() const { return m_number; }
    std::string description() const { return what(); }

    static RuntimeError invalidProcedureCall();
    static RuntimeError overflow();
    static RuntimeError typeMismatch();
    static RuntimeError invalidPropertyValue();
    static RuntimeError notSupported();

  private:
    int m_number;
};

} // namespace zarvona
