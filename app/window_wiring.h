// Connects the real window's events to the program's handlers, and reports a run-time error
// that a handler leaves: once on standard error and once in a message box. The program then
// goes on running; a riddle viewer has nothing to lose by staying up.
#pragma once

namespace zarvona {

class QtForm;
class RuntimeError;

void wireEvents(QtForm& form);

void reportRuntimeError(QtForm& form, const RuntimeError& error);

} // namespace zarvona
