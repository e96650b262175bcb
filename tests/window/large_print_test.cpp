// Large print: the keys and Ctrl with the wheel step the whole window through 125% to 200% and
// back. At every step the real window grows about its centre, and a pointer at the scaled places
// (device pixels, as the platform reports them) still reaches Next, the reveal and the list. CTest
// runs these tests on the usual small screen, where steps above 150% do not fit and are refused,
// and again on a large one.
#include "window_fixture.h"

#include "app/window_wiring.h"
#include "riddles/riddle_catalogue.h"

#include <QAccessible>
#include <QWheelEvent>
#include <QWindow>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

#include <cmath>

namespace zarvona {
namespace {

const QSize DesignedSize(475, 305);

class LargePrintTest : public WindowTest {
  protected:
    QWindow* handle() const { return form->window()->windowHandle(); }
    // Where the platform has the window, in device pixels.
    QRect deviceGeometry() const { return handle()->handle()->geometry(); }

    // A pointer event at a point of the designed window, scaled as the platform would see it.
    void pointer(QPoint designed, qreal scale, QEvent::Type type, Qt::MouseButtons buttons)
    {
        const QPointF local = QPointF(designed) * scale;
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            handle(), local, local + deviceGeometry().topLeft(), buttons, Qt::LeftButton, type);
        QApplication::processEvents();
    }
    void deviceClick(QPoint designed, qreal scale)
    {
        pointer(designed, scale, QEvent::MouseMove, Qt::NoButton);
        pointer(designed, scale, QEvent::MouseButtonPress, Qt::LeftButton);
        pointer(designed, scale, QEvent::MouseButtonRelease, Qt::NoButton);
    }
    QRect readerRect(Control control)
    {
        return QAccessible::queryAccessibleInterface(form->controlWidget(control))->rect();
    }
    void wheel(int notches)
    {
        QWheelEvent event(QPointF(at::bare), form->window()->mapToGlobal(QPointF(at::bare)), {},
                          QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(form->window(), &event);
    }
};

TEST_F(LargePrintTest, EveryStepScalesTheWholeWindowAboutItsCentreAndKeepsItWorking)
{
    constexpr int WheelUp = -1, WheelDown = -2;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    // The key (or the wheel), then the size on a large screen and on one of 800 by 600.
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        int large, small;
    } steps[] = {
        {Qt::Key_Equal, ctrl, 125, 125},
        {Qt::Key_Plus, ctrl | Qt::ShiftModifier, 150, 150},
        {Qt::Key_Plus, ctrl | Qt::KeypadModifier, 175, 150},
        {Qt::Key_Equal, ctrl, 200, 150},
        {Qt::Key_Equal, ctrl, 200, 150},
        {Qt::Key_Minus, ctrl, 175, 125},
        {WheelUp, ctrl, 200, 150},
        {WheelDown, ctrl, 175, 125},
        {Qt::Key_0, ctrl, 100, 100},
        {Qt::Key_Minus, ctrl, 100, 100},
        {Qt::Key_Equal, Qt::NoModifier, 100, 100},
    };
    const QPointF centre = QRectF(deviceGeometry()).center();
    const QSize available = handle()->screen()->availableGeometry().size();
    const bool largeScreen = available.width() >= 1000 && available.height() >= 700;
    int riddle = 1;
    for (const auto& s : steps) {
        if (s.key == WheelUp || s.key == WheelDown)
            wheel(s.key == WheelUp ? 1 : -1);
        else
            key(s.key, s.modifiers);
        const int percent = largeScreen ? s.large : s.small;
        SCOPED_TRACE(percent);
        const qreal scale = percent / 100.0;
        EXPECT_EQ(form->scale().percent(), percent);
        EXPECT_EQ(deviceGeometry().size(), (QSizeF(DesignedSize) * scale).toSize());
        // Within a logical pixel each way: the window's position is a whole one.
        const QPointF moved = QRectF(deviceGeometry()).center() - centre;
        EXPECT_LE(std::max(std::abs(moved.x()), std::abs(moved.y())), std::ceil(scale));
        // The program still sees the window it was designed for; a reader, the screen's pixels.
        EXPECT_EQ(form->window()->size(), DesignedSize);
        const QRect next = rectOf(Control::Next1), told = readerRect(Control::Next1);
        EXPECT_EQ(told.size(), (QSizeF(next.size()) * scale).toSize());
        const QPointF off = told.topLeft() - (deviceGeometry().topLeft() + next.topLeft() * scale);
        EXPECT_LE(std::max(std::abs(off.x()), std::abs(off.y())), 1.0);

        deviceClick(centreOf(Control::Next1), scale);
        EXPECT_EQ(form->caption(Control::Label5), toUtf16(std::to_string(++riddle)));
        EXPECT_FALSE(form->visible(Control::Label2));
        deviceClick(centreOf(Control::Image2), scale);
        EXPECT_TRUE(form->visible(Control::Label2));
        pointer(centreOf(Control::Label4), scale, QEvent::MouseMove, Qt::NoButton);
        ASSERT_TRUE(form->visible(Control::List1));
        deviceClick(at::listItem3, scale);
        EXPECT_EQ(form->caption(Control::Label5), u"3");
        EXPECT_EQ(form->caption(Control::Label1), RiddleCatalogue[2].question);
        EXPECT_FALSE(form->visible(Control::List1));
        riddle = 3;
    }
}

// The mean difference between two pictures of the same size, as a share of full scale.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * 255 * x.width() * x.height());
}

// At 150%, reached through 125%, the window draws as a window made at a ratio of 1.5 does: no
// picture, hatch or text is left as it was drawn for the smaller size.
TEST_F(LargePrintTest, AtOneAndAHalfTheWindowDrawsAsOneMadeAtThatScale)
{
    key(Qt::Key_Equal, Qt::ControlModifier);
    click(Control::Image2); // the answer laid out and shown at 125%
    key(Qt::Key_Equal, Qt::ControlModifier);
    moveTo(at::bare);
    ASSERT_EQ(form->scale().percent(), 150);

    QtForm made([](std::string_view) {});
    wireEvents(made);
    made.fire(Control::Form1, Event::Load);
    made.setVisible(Control::Label2, true);
    made.window()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(made.window()));
    ASSERT_EQ(made.window()->devicePixelRatioF(), 1.5);

    const QImage stepped = grab(), fresh = made.window()->grab().toImage();
    ASSERT_EQ(stepped.size(), QSize(713, 458));
    ASSERT_EQ(stepped.size(), fresh.size());
    EXPECT_LT(meanDifference(stepped, fresh), 0.002);
}

} // namespace
} // namespace zarvona
