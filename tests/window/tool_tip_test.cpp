// Tooltips over the real window: the pointer rests on a button until its tip shows, then a
// click or a movement lands where the tip covers the window. Delivered to the window that the
// window system would give it to, it must do what the in-memory model does with no tip at all.
#include "window_fixture.h"

#include "shell/event_table.h"
#include "shell/form_load.h"
#include "tests/support/hit_test.h"
#include "tests/support/memory_form.h"
#include "ui/runtime_error.h"

#include <QHelpEvent>
#include <QWindow>

namespace zarvona {
namespace {

// The window system's choice: the front-most visible window that holds the point (tooltips
// stand in front of every other window), passing over any that is transparent for input.
QWindow* windowTakingPointerAt(QPoint global)
{
    QWindow* taker = nullptr;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (!window->isVisible() || !window->geometry().contains(global) ||
            window->flags().testFlag(Qt::WindowTransparentForInput))
            continue;
        if (taker == nullptr || window->type() == Qt::ToolTip)
            taker = window;
    }
    return taker;
}

QWindow* shownTip()
{
    for (QWindow* window : QGuiApplication::topLevelWindows())
        if (window->isVisible() && window->type() == Qt::ToolTip)
            return window;
    return nullptr;
}

struct UnderTip {
    const char* name;
    Control restOn;
    QPoint rest;  // where the pointer rests until the tip shows
    QPoint under; // where it then goes, under the tip
    bool click;
};

using ToolTipTest = WindowTest;

TEST_F(ToolTipTest, ClicksAndMovementsUnderATipDoWhatTheyDoWithoutIt)
{
    const UnderTip cases[] = {
        {"a click on the picture under its tip reveals",
         Control::Image2,
         {40, 230},
         {60, 250},
         true},
        {"moving off the picture under its tip rests it",
         Control::Image2,
         {40, 230},
         {100, 250},
         false},
        {"moving from the opener onto the oval under its tip closes the list",
         Control::Label4,
         {405, 212},
         {420, 240},
         false},
        {"moving from Back onto the counter under its tip rests Back",
         Control::Back,
         {380, 240},
         {402, 260},
         false},
        {"a click on Next under its tip moves on", Control::Next1, {358, 273}, {366, 293}, true},
        {"a click on About under its tip shows the box",
         Control::About,
         {443, 192},
         {450, 212},
         true},
    };
    for (const UnderTip& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        cues.clear();
        messages.clear();
        SetUp();
        MemoryForm model;
        Form_Load(model);
        const auto fail = [](const RuntimeError& e) { FAIL() << e.what(); };
        const auto modelMove = [&](QPoint p) {
            raiseEvent(model,
                       controlAt(form1Definition(), p.x(), p.y(),
                                 [&](Control control) { return model.visible(control); }),
                       Event::MouseMove, fail);
        };

        moveTo(c.rest);
        modelMove(c.rest);
        ASSERT_EQ(controlUnder(c.rest), c.restOn);
        QWidget* button = form->controlWidget(c.restOn);
        const QPoint global = form->window()->mapToGlobal(c.rest);
        QHelpEvent rested(QEvent::ToolTip, button->mapFromGlobal(global), global);
        QApplication::sendEvent(button, &rested);
        const QWindow* tip = shownTip();
        ASSERT_NE(tip, nullptr);

        const QPoint there = form->window()->mapToGlobal(c.under);
        ASSERT_TRUE(tip->geometry().contains(there)) << "the point lies under the tip";
        QWindow* taker = windowTakingPointerAt(there);
        ASSERT_NE(taker, nullptr);
        QTest::mouseMove(taker, taker->mapFromGlobal(there));
        QApplication::processEvents();
        modelMove(c.under);
        if (c.click) {
            QTest::mouseClick(taker, Qt::LeftButton, {}, taker->mapFromGlobal(there));
            QApplication::processEvents();
            raiseEvent(model, controlUnder(c.under), Event::Click, fail);
        }
        EXPECT_EQ(stateOf(*form), stateOf(model));
        EXPECT_EQ(cues.played(), model.cues());
        EXPECT_EQ(messages.size(), model.messages().size());
    }
}

} // namespace
} // namespace zarvona
