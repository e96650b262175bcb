#include "app/quit_on_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace zarvona {

#if defined(Q_OS_UNIX)

namespace {

constexpr std::array QuitSignals{SIGTERM, SIGINT, SIGHUP};

volatile std::sig_atomic_t wakeFd = -1;

extern "C" void wakeTheLoop(int)
{
    const int saved = errno;
    const char byte = 0;
    // A full pipe already holds a wake-up: losing this byte loses nothing.
    [[maybe_unused]] const auto written = write(wakeFd, &byte, 1);
    errno = saved;
}

} // namespace

QuitOnSignals::QuitOnSignals()
{
    if (pipe2(m_pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        m_pipe = {-1, -1};
        return; // the signals keep their default action
    }
    wakeFd = m_pipe[1];
    m_notifier = std::make_unique<QSocketNotifier>(m_pipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] {
        char bytes[16];
        while (read(m_pipe[0], bytes, sizeof bytes) > 0) {
        }
        QCoreApplication::quit();
    });
    for (const int signal : QuitSignals) {
        struct sigaction before {};
        if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler == SIG_IGN)
            continue;
        struct sigaction action {};
        action.sa_handler = wakeTheLoop;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(signal, &action, nullptr);
    }
}

// The handlers stay: a second signal while the window closes finds no pipe and does nothing,
// rather than cutting the sound thread's grace short.
QuitOnSignals::~QuitOnSignals()
{
    if (m_pipe[0] < 0)
        return;
    wakeFd = -1;
    m_notifier.reset();
    close(m_pipe[0]);
    close(m_pipe[1]);
}

#else

QuitOnSignals::QuitOnSignals() = default;
QuitOnSignals::~QuitOnSignals() = default;

#endif

} // namespace zarvona
