#include "window_fixture.h"

#include <QApplication>
#include <QWindow>

namespace zarvona {
namespace {

using PointerTest = WindowTest;

TEST_F(PointerTest, EachGlyphLightsUnderThePointerAndRestsOverTheBareWindow)
{
    for (Control glyph : {Control::Next1, Control::Back, Control::About, Control::Label4}) {
        moveTo(at::bare);
        moveTo(centreOf(glyph));
        EXPECT_TRUE(hot(glyph)) << controlName(glyph);
        moveTo(at::bare);
        EXPECT_FALSE(hot(glyph)) << controlName(glyph);
    }
}

TEST_F(PointerTest, TheListOpensOnItsGlyphAndClosesOnlyOutsideIt)
{
    moveTo(centreOf(Control::Label4));
    EXPECT_TRUE(form->visible(Control::List1));
    moveTo(at::listOverOpener);
    moveTo(at::listItem3);
    EXPECT_TRUE(form->visible(Control::List1));
    EXPECT_TRUE(hot(Control::Label4));
    moveTo(centreOf(Control::Label4));
    EXPECT_TRUE(form->visible(Control::List1));
    moveTo(at::listItem3);
    moveTo(at::bare);
    EXPECT_FALSE(form->visible(Control::List1));
    EXPECT_FALSE(hot(Control::Label4));

    moveTo(centreOf(Control::Label4));
    moveTo(at::listItem3);
    moveTo(at::question);
    EXPECT_FALSE(form->visible(Control::List1));
    EXPECT_TRUE(hot(Control::Label4)); // the question leaves the glyphs alone
}

TEST_F(PointerTest, LeavingBackOntoTheCounterRestsBackAlone)
{
    moveTo(centreOf(Control::Next1));
    moveTo(centreOf(Control::Back));
    moveTo(at::backOverCounter);
    EXPECT_TRUE(hot(Control::Back));
    moveTo(at::counter);
    EXPECT_FALSE(hot(Control::Back));
    EXPECT_TRUE(hot(Control::Next1));
}

TEST_F(PointerTest, ThePictureRestsAgainOverTheShownAnswerOrTheBareWindowOnly)
{
    moveTo(centreOf(Control::Image2));
    EXPECT_TRUE(showsHoverPicture());
    moveTo(at::question);
    moveTo(at::counter);
    EXPECT_TRUE(showsHoverPicture());

    // Hidden answer: the window's own handler runs, resting glyphs too.
    moveTo(centreOf(Control::Next1));
    moveTo(at::pictureOverAnswer);
    moveTo(at::answer);
    EXPECT_FALSE(showsHoverPicture());
    EXPECT_FALSE(hot(Control::Next1));

    // Shown answer: its handler rests the picture but leaves the glyphs lit.
    form->setVisible(Control::Label2, true);
    moveTo(centreOf(Control::Next1));
    moveTo(at::pictureOverAnswer);
    EXPECT_TRUE(showsHoverPicture());
    moveTo(at::answer);
    EXPECT_FALSE(showsHoverPicture());
    EXPECT_TRUE(hot(Control::Next1));
}

TEST_F(PointerTest, MovementWithAButtonHeldActsAsMovementWithout)
{
    QWindow* window = form->window()->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, at::bare);
    QTest::mouseMove(window, centreOf(Control::About));
    QApplication::processEvents();
    // The press on the bare window holds the pointer there: the window's handler runs.
    EXPECT_FALSE(hot(Control::About));
    QTest::mouseRelease(window, Qt::LeftButton, {}, centreOf(Control::About));
    moveTo(centreOf(Control::Image2));
    QTest::mousePress(window, Qt::LeftButton, {}, centreOf(Control::Image2));
    QTest::mouseMove(window, centreOf(Control::Image2) + QPoint(3, 3));
    QApplication::processEvents();
    EXPECT_TRUE(showsHoverPicture());
    QTest::mouseRelease(window, Qt::LeftButton, {}, at::bare);
    EXPECT_FALSE(form->visible(Control::Label2)); // released elsewhere: no click
}

class UpdateCounter : public QObject {
  public:
    int updates = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        updates += event->type() == QEvent::UpdateRequest || event->type() == QEvent::Paint;
        return false;
    }
};

TEST_F(PointerTest, MovementThatChangesNothingSchedulesNoRepaint)
{
    moveTo(at::bare);
    moveTo(at::bare + QPoint(1, 0));
    QApplication::processEvents();
    UpdateCounter counter;
    form->window()->windowHandle()->installEventFilter(&counter);
    for (QWidget* w : form->window()->findChildren<QWidget*>())
        w->installEventFilter(&counter);
    for (int i = 0; i < 20; ++i)
        moveTo(at::bare + QPoint(i % 5, 0));
    QApplication::processEvents();
    EXPECT_EQ(counter.updates, 0);
    moveTo(centreOf(Control::Next1));
    QApplication::processEvents();
    EXPECT_GT(counter.updates, 0); // the counter does see a real change repainted
    counter.updates = 0;
    for (int i = 0; i < 10; ++i)
        moveTo(centreOf(Control::Next1) + QPoint(i % 3, 0));
    QApplication::processEvents();
    EXPECT_EQ(counter.updates, 0);
}

} // namespace
} // namespace zarvona
