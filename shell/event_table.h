// Which handler each event of each control runs, and the boundary where run-time errors stop.
// The window raises events by control and kind; this table finds the handler (there is none
// for most pairs: no unload, key, double-click or timer handler exists) and runs it.
#pragma once

#include "ui/form.h"

#include <functional>

namespace zarvona {

class RuntimeError;

using Handler = void (*)(Form&);

// The handler wired to an event, or null.
Handler handlerFor(Control control, Event event);

using ErrorReport = std::function<void(const RuntimeError&)>;

// Runs the handler wired to the event, if any. A run-time error ends the handler at the step
// that failed (nothing is rolled back) and is handed to report; no exception leaves this
// function. Returns false when the handler failed.
bool raiseEvent(Form& form, Control control, Event event, const ErrorReport& report);

} // namespace zarvona
