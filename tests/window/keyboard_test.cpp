// The whole book from the keyboard: real key events on the real window, each shortcut against
// what the in-memory model does for the pointer action it stands for.
#include "window_fixture.h"

#include "riddles/riddle_catalogue.h"
#include "riddles/show_riddle.h"
#include "shell/event_table.h"
#include "tests/support/memory_form.h"
#include "ui/runtime_error.h"
#include "window/access/focus_ring.h"
#include "window/access/keyboard.h"
#include "window/controls/number_list.h"

#include <QScrollBar>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace zarvona {
namespace {

using namespace std::chrono_literals;

class KeyboardTest : public WindowTest {
  protected:
    NumberList& list() { return *dynamic_cast<NumberList*>(form->controlWidget(Control::List1)); }
    QWidget* focus() const { return QApplication::focusWidget(); }
    QWidget* widget(Control control) const { return form->controlWidget(control); }

    void showRiddle(Form& f, int riddle, bool answerShown)
    {
        f.setCaption(Control::Label5, toUtf16(std::to_string(riddle)));
        ShowRiddle(f);
        f.setVisible(Control::Label2, answerShown);
    }
    void expectShowing(int riddle)
    {
        EXPECT_EQ(counter(), toUtf16(std::to_string(riddle)));
        EXPECT_EQ(form->caption(Control::Label1), RiddleCatalogue[riddle - 1].question);
    }
};

// What the pointer does for each shortcut, on the model: a click, or a click on a row of the list.
struct Shortcut {
    const char* name;
    int key;
    int from;
    int to;
    Control clicked;
    int row = -1; // for List1: the row clicked
};

TEST_F(KeyboardTest, EachShortcutDoesWhatItsPointerActionDoesOnTheModel)
{
    const Shortcut shortcuts[] = {
        {"Left", Qt::Key_Left, 41, 42, Control::Next1},
        {"Left wraps", Qt::Key_Left, RiddleCount, 1, Control::Next1},
        {"PageDown", Qt::Key_PageDown, RiddleCount - 1, RiddleCount, Control::Next1},
        {"Right", Qt::Key_Right, 42, 41, Control::Back},
        {"Right wraps", Qt::Key_Right, 1, RiddleCount, Control::Back},
        {"PageUp", Qt::Key_PageUp, 2, 1, Control::Back},
        {"Home", Qt::Key_Home, 57, 1, Control::List1, 0},
        {"Home on the first", Qt::Key_Home, 1, 1, Control::List1, 0},
        {"End", Qt::Key_End, 57, RiddleCount, Control::List1, RiddleCount - 1},
        {"End on the last", Qt::Key_End, RiddleCount, RiddleCount, Control::List1, RiddleCount - 1},
    };
    for (const Shortcut& s : shortcuts) {
        SCOPED_TRACE(s.name);
        cues.clear();
        showRiddle(*form, s.from, true);
        MemoryForm model;
        showRiddle(model, s.from, true);
        if (s.row >= 0)
            model.selectListItem(s.row);
        raiseEvent(model, s.clicked, Event::Click,
                   [](const RuntimeError& e) { FAIL() << e.what(); });

        key(s.key);
        expectShowing(s.to);
        EXPECT_EQ(counter(), model.caption(Control::Label5));
        EXPECT_EQ(cues.played(), model.cues());
        EXPECT_EQ(form->visible(Control::Label2), model.visible(Control::Label2));
        EXPECT_EQ(form->visible(Control::List1), model.visible(Control::List1));
        if (s.row >= 0) {
            EXPECT_EQ(form->text(Control::List1), model.text(Control::List1));
        }
    }
}

TEST_F(KeyboardTest, SpaceAndReturnRevealAndCueOnlyTheFirstTime)
{
    for (const int reveal : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        key(Qt::Key_Left);
        cues.clear();
        key(reveal);
        key(reveal);
        EXPECT_TRUE(form->visible(Control::Label2));
        EXPECT_EQ(cues.played(), std::vector<std::string>{"right.wav"});
    }
}

TEST_F(KeyboardTest, UpAndDownDoNothingInTheWindow)
{
    key(Qt::Key_Down);
    key(Qt::Key_Up);
    expectShowing(1);
    EXPECT_TRUE(cues.played().empty());
    EXPECT_FALSE(form->visible(Control::List1));
}

// Digits typed, each after a pause from the one before, and the number then selected.
struct Typing {
    const char* name;
    std::vector<std::pair<QChar, std::chrono::milliseconds>> keys;
    QString selected;
};

TEST_F(KeyboardTest, DigitsOpenTheListWithTheNumberSelectedAndInView)
{
    const Typing typings[] = {
        {"two digits", {{'4', 0ms}, {'2', 300ms}}, "42"},
        {"a pause starts a new number", {{'4', 0ms}, {'2', 1000ms}}, "2"},
        {"just inside the pause", {{'4', 0ms}, {'2', 999ms}}, "42"},
        {"the last number", {{'1', 0ms}, {'0', 100ms}, {'0', 100ms}}, "100"},
        {"past the last starts anew", {{'1', 0ms}, {'0', 100ms}, {'1', 100ms}}, "1"},
        {"past the last by a digit", {{'9', 0ms}, {'9', 100ms}, {'7', 100ms}}, "7"},
        {"Arabic-Indic digits", {{QChar(0x0667), 0ms}, {QChar(0x0663), 200ms}}, "73"},
    };
    for (const Typing& t : typings) {
        SCOPED_TRACE(t.name);
        form->setVisible(Control::List1, false);
        now += 10s;
        for (const auto& [character, pause] : t.keys) {
            now += pause;
            type(character);
        }
        ASSERT_TRUE(form->visible(Control::List1));
        EXPECT_EQ(list().selectedText(), t.selected);
        const QRect row = list().visualItemRect(list().selectedItems().front());
        EXPECT_TRUE(list().viewport()->rect().contains(row)) << "scrolled into view";
        EXPECT_EQ(focus(), &list());
        EXPECT_TRUE(hot(Control::Label4)); // opened as pointing at its opener opens it
        expectShowing(1);
        EXPECT_TRUE(cues.played().empty());
    }
}

TEST_F(KeyboardTest, DigitsThenReturnPickAndDigitsThenEscapeDoNot)
{
    click(Control::Image2);
    cues.clear();
    type('4');
    now += 200ms;
    type('2');
    key(Qt::Key_Return);
    expectShowing(42);
    EXPECT_FALSE(form->visible(Control::List1));
    EXPECT_FALSE(form->visible(Control::Label2));
    EXPECT_EQ(cues.played(), std::vector<std::string>{"click.wav"});
    EXPECT_EQ(focus(), form->window()) << "the hidden list gave the keyboard back";

    now += 5s;
    type('7');
    key(Qt::Key_Escape);
    EXPECT_FALSE(form->visible(Control::List1));
    expectShowing(42);
    EXPECT_EQ(cues.played().size(), 1u);
    EXPECT_EQ(focus(), form->window());
    key(Qt::Key_Escape); // nothing left to close
    EXPECT_FALSE(form->visible(Control::List1));
}

// Return with the number list open: it picks where digits have been typed into this opening
// of the list (they hand the list the keyboard), and reveals where the pointer alone opened it.
struct ReturnWithTheListOpen {
    const char* name;
    bool pointerOpens;              // the pointer opens the list first
    std::vector<QChar> digits;      // then these are typed, 200 ms apart
    std::chrono::milliseconds then; // the wait before the key
    bool reopened;                  // the pointer closes the list and opens it again first
    int key;
    int picks; // the number the key picks; 0 where it reveals
};

TEST_F(KeyboardTest, ReturnRevealsInAListThePointerOpenedAndPicksWhatWasTyped)
{
    const ReturnWithTheListOpen cases[] = {
        {"pointer-opened, nothing typed", true, {}, 0ms, false, Qt::Key_Return, 0},
        {"pointer-opened, nothing typed, Enter", true, {}, 0ms, false, Qt::Key_Enter, 0},
        {"pointer-opened, digits typed", true, {'4', '2'}, 300ms, false, Qt::Key_Return, 42},
        {"opened by digits", false, {'4', '2'}, 999ms, false, Qt::Key_Enter, 42},
        {"the pause over", false, {'4', '2'}, 1500ms, false, Qt::Key_Return, 42},
        {"digits, then the list reopened", false, {'4'}, 0ms, true, Qt::Key_Return, 0},
    };
    for (const ReturnWithTheListOpen& c : cases) {
        SCOPED_TRACE(c.name);
        showRiddle(*form, 5, false);
        list().selectNumber(7); // the list still shows an earlier pick
        now += 10s;
        cues.clear();
        if (c.pointerOpens)
            moveTo(centreOf(Control::Label4));
        for (const QChar digit : c.digits) {
            type(digit);
            now += 200ms;
        }
        if (c.reopened) {
            moveTo(at::question);
            moveTo(centreOf(Control::Label4));
        }
        now += c.then;
        ASSERT_TRUE(form->visible(Control::List1));
        key(c.key);
        expectShowing(c.picks == 0 ? 5 : c.picks);
        EXPECT_EQ(form->visible(Control::Label2), c.picks == 0);
        EXPECT_EQ(form->visible(Control::List1), c.picks == 0) << "a pick closes the list";
        EXPECT_EQ(cues.played(),
                  std::vector<std::string>{c.picks == 0 ? "right.wav" : "click.wav"});
        moveTo(at::bare); // the next test's first move must be a move
    }
}

TEST_F(KeyboardTest, ThePointerOpenedListTakesTheSameKeys)
{
    moveTo(centreOf(Control::Label4));
    ASSERT_TRUE(form->visible(Control::List1));
    key(Qt::Key_Escape);
    EXPECT_FALSE(form->visible(Control::List1));

    moveTo(at::bare);
    moveTo(centreOf(Control::Label4));
    ASSERT_TRUE(form->visible(Control::List1));
    type('9');
    EXPECT_EQ(list().selectedText(), QStringLiteral("9"));
    key(Qt::Key_Return);
    expectShowing(9);
    EXPECT_FALSE(form->visible(Control::List1));
    EXPECT_EQ(cues.played().size(), 1u);
}

// After a pick the list is hidden and has given up the keyboard: the list's own keys (a move of
// its selection, a page, Space confirming) no longer reach it, and each key does only what it
// does in the window.
TEST_F(KeyboardTest, AfterAPickTheHiddenListTakesNoKeys)
{
    for (const bool byKeyboard : {false, true}) {
        SCOPED_TRACE(byKeyboard ? "picked by keyboard" : "picked by pointer");
        moveTo(at::bare);
        if (byKeyboard) {
            now += 5s;
            type('3');
            key(Qt::Key_Return);
        } else {
            moveTo(centreOf(Control::Label4));
            moveTo(at::listItem3);
            click(Control::List1, at::listItem3);
        }
        expectShowing(3);
        ASSERT_FALSE(form->visible(Control::List1));
        EXPECT_NE(focus(), &list());
        cues.clear();

        key(Qt::Key_Down);
        key(Qt::Key_Up);
        expectShowing(3);
        EXPECT_TRUE(cues.played().empty());
        key(Qt::Key_Space); // the reveal, not the list confirming "3" again
        expectShowing(3);
        EXPECT_TRUE(form->visible(Control::Label2));
        EXPECT_EQ(cues.played(), std::vector<std::string>{"right.wav"});
        key(Qt::Key_PageDown); // Next, not a page of the list
        expectShowing(4);
        key(Qt::Key_End);
        expectShowing(100);
        key(Qt::Key_Home);
        expectShowing(1);
        EXPECT_EQ(cues.played().size(), 4u); // one cue for each key that moved
        EXPECT_FALSE(form->visible(Control::List1));
    }
}

TEST_F(KeyboardTest, InTheOpenListUpAndDownMoveAndPickAndStopAtItsEnds)
{
    type('9');
    now += 5s;
    type('9');
    key(Qt::Key_Down); // the list's own key: the selection moves, which is a pick
    expectShowing(10);
    EXPECT_FALSE(form->visible(Control::List1));
    EXPECT_EQ(focus(), form->window());

    now += 5s;
    type('1');
    now += 200ms;
    type('0');
    now += 200ms;
    type('0');
    cues.clear();
    key(Qt::Key_Down); // at the end: nothing, and not the window's Down either
    EXPECT_TRUE(form->visible(Control::List1));
    EXPECT_TRUE(cues.played().empty());
    key(Qt::Key_Left); // the window's Next, with the list left open as Next leaves it
    expectShowing(11);
    EXPECT_TRUE(form->visible(Control::List1));
}

QPoint rowCentre(int row)
{
    return {418, toQRect(inPixels(form1Definition()[Control::List1].rect)).top() + 7 + 13 * row};
}

TEST_F(KeyboardTest, ADragInTheListPicksTheRowUnderTheReleaseOnce)
{
    QWindow* window = form->window()->windowHandle();
    moveTo(centreOf(Control::Label4));
    moveTo(rowCentre(0));
    QTest::mousePress(window, Qt::LeftButton, {}, rowCentre(0));
    QTest::mouseMove(window, rowCentre(1));
    QTest::mouseMove(window, rowCentre(2));
    QTest::mouseRelease(window, Qt::LeftButton, {}, rowCentre(2));
    QApplication::processEvents();
    expectShowing(3);
    EXPECT_EQ(cues.played(), std::vector<std::string>{"click.wav"});
    EXPECT_FALSE(form->visible(Control::List1));
}

TEST_F(KeyboardTest, AReleaseOutsideTheListPicksNothingAndLeavesItAsItWas)
{
    QWindow* window = form->window()->windowHandle();
    type('3');
    key(Qt::Key_Return);
    moveTo(at::bare);
    moveTo(centreOf(Control::Label4));
    moveTo(rowCentre(0));
    cues.clear();
    const int scrolled = list().verticalScrollBar()->value();
    QTest::mousePress(window, Qt::LeftButton, {}, rowCentre(0));
    QTest::mouseMove(window, rowCentre(4));
    QTest::mouseMove(window, at::question);
    QTest::mouseRelease(window, Qt::LeftButton, {}, at::question);
    QApplication::processEvents();
    expectShowing(3);
    EXPECT_TRUE(cues.played().empty());
    EXPECT_TRUE(form->visible(Control::List1));
    EXPECT_EQ(list().selectedText(), QStringLiteral("3"));
    EXPECT_EQ(list().verticalScrollBar()->value(), scrolled);
}

TEST_F(KeyboardTest, TabVisitsTheFiveButtonsRightToLeftAndShiftTabGoesBack)
{
    const std::vector<Control> order(TabButtons.begin(), TabButtons.end());
    EXPECT_EQ(focus(), form->window()) << "nothing is focused at start";
    for (int round = 0; round < 2; ++round)
        for (const Control expected : order) {
            key(Qt::Key_Tab);
            EXPECT_EQ(focus(), widget(expected)) << controlName(expected);
        }
    // Right to left: each button's right edge lies left of the one before it.
    for (std::size_t i = 1; i < order.size(); ++i)
        EXPECT_LT(rectOf(order[i]).right(), rectOf(order[i - 1]).right());
    for (auto it = order.rbegin() + 1; it != order.rend(); ++it) {
        key(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(focus(), widget(*it)) << controlName(*it);
    }
}

// The dark blue of the ring, within antialiasing, in a band just outside a button.
int ringPixels(const QImage& image, Control button)
{
    const QRect inner = toQRect(inPixels(form1Definition()[button].rect));
    const QRect outer = inner.adjusted(-6, -6, 6, 6);
    const QColor ring = toQColor(HotForeColor);
    int n = 0;
    for (int y = outer.top(); y <= outer.bottom(); ++y)
        for (int x = outer.left(); x <= outer.right(); ++x) {
            if (inner.adjusted(2, 2, -2, -2).contains(x, y) || !image.rect().contains(x, y))
                continue;
            const QColor c = image.pixelColor(x, y);
            n += std::abs(c.red() - ring.red()) + std::abs(c.green() - ring.green()) +
                     std::abs(c.blue() - ring.blue()) <
                 40;
        }
    return n;
}

TEST_F(KeyboardTest, TheFocusRingShowsOnlyAfterKeyboardUse)
{
    // The pointer alone, clicks included, never brings the ring.
    click(Control::Next1);
    click(Control::Image2);
    moveTo(at::bare);
    for (const Control button : TabButtons)
        EXPECT_EQ(ringPixels(grab(), button), 0) << controlName(button);
    EXPECT_FALSE(form->keyboard().focusRing().isVisible());

    for (const Control focused : TabButtons) {
        key(Qt::Key_Tab);
        const QImage image = grab();
        EXPECT_GT(ringPixels(image, focused), 40) << controlName(focused);
        // No ring round the others, where their surroundings lie clear of the focused one's.
        const QRect reach = rectOf(focused).adjusted(-12, -12, 12, 12);
        for (const Control button : TabButtons)
            if (button != focused && !reach.intersects(rectOf(button))) {
                EXPECT_EQ(ringPixels(image, button), 0)
                    << controlName(button) << " while " << controlName(focused) << " has it";
            }
    }
}

TEST_F(KeyboardTest, ReturnOrSpaceOnAFocusedButtonPressesIt)
{
    key(Qt::Key_Tab); // About
    key(Qt::Key_Return);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(focus(), widget(Control::About));

    key(Qt::Key_Tab); // the list opener: the list opens and has the keyboard
    key(Qt::Key_Return);
    EXPECT_TRUE(form->visible(Control::List1));
    EXPECT_EQ(focus(), &list());
    key(Qt::Key_Escape); // and gives it back to its opener when it closes
    EXPECT_FALSE(form->visible(Control::List1));
    EXPECT_EQ(focus(), widget(Control::Label4));

    key(Qt::Key_Tab); // Back
    key(Qt::Key_Return);
    expectShowing(100);
    key(Qt::Key_Tab); // Next
    key(Qt::Key_Space);
    key(Qt::Key_Enter, Qt::KeypadModifier);
    expectShowing(2);
    key(Qt::Key_Tab); // the reveal picture
    key(Qt::Key_Return);
    EXPECT_TRUE(form->visible(Control::Label2));
    key(Qt::Key_Left); // the window's shortcuts still reach the window from a focused button
    expectShowing(3);
    EXPECT_EQ(cues.played(), (std::vector<std::string>{"click.wav", "click.wav", "click.wav",
                                                       "right.wav", "click.wav"}));
}

TEST_F(KeyboardTest, F1ShowsAboutAndCtrlQOrCtrlWCloses)
{
    key(Qt::Key_F1);
    EXPECT_EQ(messages.size(), 1u);
    expectShowing(1);
    for (const int quit : {Qt::Key_Q, Qt::Key_W}) {
        form->window()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form->window()));
        key(quit, Qt::ControlModifier);
        EXPECT_FALSE(form->window()->isVisible());
    }
    EXPECT_TRUE(cues.played().empty());
}

// An Arabic-only layout types no Latin letter: Ctrl closes by the key's place (the X keycodes of
// the keys where a US keyboard has Q and W), and a Latin layout by its letter alone.
TEST_F(KeyboardTest, CtrlClosesByTheKeysPlaceWhereTheLayoutHasNoLatinLetter)
{
    const struct {
        int key;
        quint32 place;
        bool closes;
    } cases[] = {
        {0x636, 24, true},      // ض, where a US keyboard has Q
        {0x635, 25, true},      // ص, at W
        {0x62B, 26, false},     // ث, at E: no shortcut
        {Qt::Key_A, 24, false}, // a Latin layout with A there (AZERTY): Ctrl+A is no shortcut
    };
    for (const auto& c : cases) {
        form->window()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form->window()));
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            QWindowSystemInterface::handleExtendedKeyEvent(
                form->window()->windowHandle(), type, c.key, Qt::ControlModifier, c.place, 0, 0);
        QCoreApplication::processEvents();
        EXPECT_EQ(!form->window()->isVisible(), c.closes) << std::hex << c.key;
    }
}

} // namespace
} // namespace zarvona
