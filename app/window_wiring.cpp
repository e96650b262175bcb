#include "app/window_wiring.h"

#include "shell/event_table.h"
#include "ui/runtime_error.h"
#include "window/form/qt_form.h"

#include <cstdio>

namespace zarvona {

void wireEvents(QtForm& form)
{
    form.setEventSink([&form](Control control, Event event) {
        raiseEvent(form, control, event,
                   [&form](const RuntimeError& error) { reportRuntimeError(form, error); });
    });
}

void reportRuntimeError(QtForm& form, const RuntimeError& error)
{
    std::fprintf(stderr, "Zarvona: run-time error %d: %s\n", error.number(), error.what());
    std::fflush(stderr);
    const QString text = QStringLiteral("Run-time error '%1':\n\n%2")
                             .arg(error.number())
                             .arg(QString::fromUtf8(error.what()));
    try {
        form.messagePresenter()(form.window(), form.window()->windowTitle(), text, 0);
    } catch (...) {
        // The report has already reached standard error; the box is a courtesy.
    }
}

} // namespace zarvona
