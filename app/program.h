// The whole program from process entry to exit, shared by main() and the start-up benchmark:
// builds the window, runs its Load handler before the window first shows, and runs the event
// loop until the window is closed. Without a display it says so in one line and exits with 1.
#pragma once

#include <functional>

class QWidget;

namespace zarvona {

// shown, when given, is called once the window has been asked to show.
int runProgram(int argc, char** argv, const std::function<void(QWidget*)>& shown = {});

} // namespace zarvona
