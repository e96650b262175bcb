// The cost of a large-print step: the time from Ctrl+= to the window painted at its new size,
// for each step up to 200% and back to 100% with Ctrl+0, on the platform Qt picks (run it by hand
// under X and a window manager, on a screen with room for 200%, for the figure a user sees). Each
// step ends with a paint of the whole window at the new ratio. Prints the median of 15 rounds.
#include "started_form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Counts paints of the whole window and notes the ratio of the last.
class WholePaints final : public QObject {
  public:
    explicit WholePaints(QWidget& window) : m_window(window) { window.installEventFilter(this); }
    int paints = 0;
    qreal ratio = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint &&
            static_cast<QPaintEvent*>(event)->rect().contains(m_window.rect())) {
            ++paints;
            ratio = m_window.devicePixelRatioF();
        }
        return false;
    }

  private:
    QWidget& m_window;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    StartedForm started;
    zarvona::QtForm& form = started.form;
    if (!QTest::qWaitForWindowExposed(form.window())) {
        std::fprintf(stderr, "scale_bench: the window was never exposed\n");
        return 1;
    }
    QWindow* handle = form.window()->windowHandle();
    const qreal start = form.window()->devicePixelRatioF();
    WholePaints painted(*form.window());

    // One key, then events until the window is painted whole at the ratio the step asks for.
    const auto step = [&](Qt::Key key, int percent) {
        const int before = painted.paints;
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(handle, key, Qt::ControlModifier);
        const qreal ratio = start * percent / 100.0;
        while (!(painted.paints > before && qFuzzyCompare(painted.ratio, ratio))) {
            if (timer.elapsed() > 2000)
                return -1.0;
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        return static_cast<double>(timer.nsecsElapsed()) / 1e6;
    };

    const int steps[] = {125, 150, 175, 200};
    std::vector<std::vector<double>> up(std::size(steps));
    std::vector<double> back;
    for (int round = 0; round < 15; ++round) {
        for (std::size_t i = 0; i < std::size(steps); ++i)
            up[i].push_back(step(Qt::Key_Equal, steps[i]));
        back.push_back(step(Qt::Key_0, 100));
    }
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        if (*std::min_element(up[i].begin(), up[i].end()) < 0) {
            std::fprintf(stderr, "scale_bench: %d%% does not fit this screen\n", steps[i]);
            return 1;
        }
        std::printf("Ctrl+= to the window painted at %d%%: median %.1f ms\n", steps[i],
                    median(up[i]));
    }
    std::printf("Ctrl+0 from 200%% to the window painted at 100%%: median %.1f ms\n", median(back));
    return 0;
}
