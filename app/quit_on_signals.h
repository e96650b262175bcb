// Ends the program as a closed window does when the session or a terminal asks it to stop:
// SIGTERM, SIGINT and SIGHUP quit the event loop, the window and the sound thread close in the
// usual order, and the process exits with status 0. The handler only writes a byte into a
// pipe, all a signal handler may safely do; a socket notifier on the pipe's other end quits
// the loop on the window's thread. A signal ignored when the program starts (SIGHUP under
// nohup) stays ignored. Elsewhere than on Unix this does nothing.
#pragma once

#include <array>
#include <memory>

class QSocketNotifier;

namespace zarvona {

class QuitOnSignals {
  public:
    QuitOnSignals(); // after the application object exists
    ~QuitOnSignals();
    QuitOnSignals(const QuitOnSignals&) = delete;
    QuitOnSignals& operator=(const QuitOnSignals&) = delete;

  private:
    std::array<int, 2> m_pipe{-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace zarvona
