// Event costs of the real window, on Qt's offscreen platform, against a bare Qt widget of the
// same size with mouse tracking, in the same run:
//  - a flood of pointer movements sweeping the whole window (hover changes repaint as they do
//    for a user), and one over the bare window alone, where nothing visible changes;
//  - the time from a click on Next to the new riddle painted, laid out on the spot, and laid out
//    ahead as the program does while idle after each move.
// Prints medians of several rounds and the ratios.
#include "app/first_use.h"
#include "started_form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class BareWidget final : public QWidget {
  public:
    BareWidget()
    {
        setMouseTracking(true);
        setFixedSize(475, 305);
    }

  protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Zarvona"));
    }
    void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }
};

std::vector<QPoint> sweep()
{
    std::vector<QPoint> points;
    for (int y = 2; y < 305; y += 6)
        for (int x = 2; x < 475; x += 6)
            points.emplace_back((y / 6) % 2 ? 474 - x : x, y);
    return points;
}

std::vector<QPoint> jitterOverBareWindow()
{
    std::vector<QPoint> points;
    for (int i = 0; i < 4000; ++i)
        points.emplace_back(180 + i % 40, 290 + (i / 40) % 10);
    return points;
}

double floodMs(QWidget* window, const std::vector<QPoint>& points)
{
    QWindow* handle = window->windowHandle();
    QElapsedTimer timer;
    timer.start();
    for (const QPoint& p : points)
        QTest::mouseMove(handle, p);
    QApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

class PaintCounter final : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    StartedForm started;
    zarvona::QtForm& form = started.form;
    BareWidget bare;
    bare.show();
    if (!QTest::qWaitForWindowExposed(form.window()) || !QTest::qWaitForWindowExposed(&bare)) {
        std::fprintf(stderr, "event_bench: the windows were never exposed\n");
        return 1;
    }

    const std::vector<QPoint> sweepPoints = sweep();
    const std::vector<QPoint> jitterPoints = jitterOverBareWindow();
    std::vector<double> sweepZ, sweepB, jitterZ, jitterB;
    for (int round = 0; round < 15; ++round) {
        sweepB.push_back(floodMs(&bare, sweepPoints));
        sweepZ.push_back(floodMs(form.window(), sweepPoints));
        jitterB.push_back(floodMs(&bare, jitterPoints));
        jitterZ.push_back(floodMs(form.window(), jitterPoints));
    }

    // Click on Next, then let Qt deliver and paint; the question label must have repainted.
    PaintCounter painted;
    form.controlWidget(zarvona::Control::Label1)->installEventFilter(&painted);
    QWindow* handle = form.window()->windowHandle();
    const QPoint next(368, 284);
    QTest::mouseMove(handle, next);
    // Each click alone, or with what the program lays out while idle done beforehand (untimed).
    const auto clicks = [&](bool prepared) {
        std::vector<double> us;
        for (int i = 0; i < 300; ++i) {
            if (prepared)
                zarvona::prepareNextMoves(form);
            const int before = painted.paints;
            QElapsedTimer timer;
            timer.start();
            QTest::mouseClick(handle, Qt::LeftButton, {}, next);
            QApplication::processEvents();
            us.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e3);
            if (painted.paints == before)
                return std::vector<double>{};
        }
        return us;
    };
    const std::vector<double> clickUs = clicks(false);
    const std::vector<double> preparedUs = clicks(true);
    if (clickUs.empty() || preparedUs.empty()) {
        std::fprintf(stderr, "event_bench: a click on Next painted no new riddle\n");
        return 1;
    }

    std::printf("pointer sweep, %zu moves: riddle book %.1f ms, bare widget %.1f ms, ratio %.2f\n",
                sweepPoints.size(), median(sweepZ), median(sweepB),
                median(sweepZ) / median(sweepB));
    std::printf("moves over the bare window, %zu moves: riddle book %.1f ms, bare widget %.1f ms, "
                "ratio %.2f\n",
                jitterPoints.size(), median(jitterZ), median(jitterB),
                median(jitterZ) / median(jitterB));
    std::printf("click on Next to new riddle painted: median %.0f us laid out on the spot, "
                "%.0f us laid out ahead, over %zu clicks each\n",
                median(clickUs), median(preparedUs), clickUs.size());
    return 0;
}
