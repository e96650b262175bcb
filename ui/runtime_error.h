// A run-time error: a number and a description, raised by any control-model operation or
// conversion that fails. The program's procedures never catch one; the event wiring does.
#pragma once

#include <stdexcept>
#include <string>

namespace zarvona {

class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(int number, const std::string& description);

    int number() const { return m_number; }
    std::string description() const { return what(); }

    static RuntimeError invalidProcedureCall(); // 5
    static RuntimeError overflow();             // 6
    static RuntimeError typeMismatch();         // 13
    static RuntimeError notSupported();         // 438: no such property or method on the control

  private:
    int m_number;
};

} // namespace zarvona
