// Start-up probe for the benchmarks: once a window has been exposed and painted for the first
// time, prints "shown <monotonic ns> <peak resident kB>" on standard output and ends the
// process. The driver compares the time with the moment it started the process.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

namespace bench {

inline long peakResidentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

class ShownProbe final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window && window->isExposed() && !m_done) {
            m_done = true;
            // Queued, so that the paint the exposure triggers has happened first.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("shown %lld %ld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                            peakResidentKb());
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

  private:
    bool m_done = false;
};

inline void reportWhenShown(QWidget* window)
{
    static ShownProbe probe;
    window->winId(); // make sure the native window exists to be watched
    window->windowHandle()->installEventFilter(&probe);
}

} // namespace bench
