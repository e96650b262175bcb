#include "window_fixture.h"

#include "riddles/riddle_catalogue.h"
#include "shell/about.h"
#include "shell/event_table.h"
#include "shell/form_load.h"
#include "tests/support/book_invariants.h"
#include "tests/support/hit_test.h"
#include "tests/support/memory_form.h"
#include "tests/support/points.h"
#include "ui/runtime_error.h"
#include "window/access/keyboard.h"
#include "window/controls/number_list.h"
#include "window/form/message_box.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>

#include <random>

namespace zarvona {
namespace {

using BrowseTest = WindowTest;

void expectShowing(const QtForm& form, int riddle)
{
    EXPECT_EQ(form.caption(Control::Label5), toUtf16(std::to_string(riddle)));
    EXPECT_EQ(form.caption(Control::Label1), RiddleCatalogue[riddle - 1].question);
    EXPECT_EQ(form.caption(Control::Label2), RiddleCatalogue[riddle - 1].answer);
}

TEST_F(BrowseTest, NextAndBackClicksMoveAndWrap)
{
    click(Control::Back);
    expectShowing(*form, 100);
    click(Control::Next1);
    click(Control::Next1);
    expectShowing(*form, 2);
    EXPECT_EQ(cues.played(), std::vector<std::string>(3, "click.wav"));
}

TEST_F(BrowseTest, RevealShowsTheAnswerAndCuesOnlyTheFirstTime)
{
    click(Control::Image2);
    click(Control::Image2);
    EXPECT_TRUE(form->visible(Control::Label2));
    EXPECT_EQ(cues.played(), std::vector<std::string>{"right.wav"});
    EXPECT_TRUE(form->controlWidget(Control::Label2)->isVisible());
}

TEST_F(BrowseTest, BackTakesTheClickWhereItLiesOverTheShownAnswer)
{
    click(Control::Next1);
    click(Control::Image2);
    ASSERT_TRUE(form->visible(Control::Label2));
    click(Control::Back, at::backOverAnswer);
    expectShowing(*form, 1);
    EXPECT_FALSE(form->visible(Control::Label2));
}

TEST_F(BrowseTest, APressAndAReleaseOnDifferentControlsIsNoClick)
{
    QWindow* window = form->window()->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, centreOf(Control::Next1));
    QTest::mouseRelease(window, Qt::LeftButton, {}, at::bare);
    QTest::mouseClick(window, Qt::RightButton, {}, centreOf(Control::Next1));
    QApplication::processEvents();
    expectShowing(*form, 1);
}

TEST_F(BrowseTest, APickInTheListByMouseJumpsAndClosesIt)
{
    click(Control::Image2);
    moveTo(centreOf(Control::Label4));
    moveTo(at::listItem3);
    click(Control::List1, at::listItem3);
    expectShowing(*form, 3);
    EXPECT_FALSE(form->visible(Control::List1));
    EXPECT_FALSE(form->visible(Control::Label2));
    EXPECT_EQ(form->text(Control::List1), u"3");

    // Next leaves the selection; picking the same item again still moves.
    click(Control::Next1);
    moveTo(centreOf(Control::Label4));
    click(Control::List1, at::listItem3);
    expectShowing(*form, 3);
    EXPECT_EQ(cues.played().size(), 4u); // right, click, click, click
}

// Only the left button picks: a right or a middle click on a row leaves the riddle, the selection
// and the scrolling as they were, and plays nothing.
TEST_F(BrowseTest, OnlyTheLeftButtonPicksInTheList)
{
    auto* list = dynamic_cast<NumberList*>(form->controlWidget(Control::List1));
    ASSERT_NE(list, nullptr);
    moveTo(centreOf(Control::Label4));
    click(Control::List1, at::listItem3);
    const std::size_t cuesBefore = cues.played().size();
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        moveTo(centreOf(Control::Label4));
        list->verticalScrollBar()->setValue(1);
        const QPoint row = list->visualItemRect(list->item(3)).center();
        QTest::mouseClick(list->viewport(), button, {}, row);
        QTest::mouseDClick(list->viewport(), button, {}, row);
        QApplication::processEvents();
        expectShowing(*form, 3);
        EXPECT_EQ(form->text(Control::List1), u"3") << button;
        EXPECT_EQ(list->verticalScrollBar()->value(), 1) << button;
        EXPECT_TRUE(form->visible(Control::List1)) << button;
    }
    EXPECT_EQ(cues.played().size(), cuesBefore);
}

TEST_F(BrowseTest, APickInTheListByKeyboardJumpsOncePerPick)
{
    auto* list = dynamic_cast<NumberList*>(form->controlWidget(Control::List1));
    ASSERT_NE(list, nullptr);
    auto openList = [&] {
        moveTo(at::bare); // Qt reports no movement to the point the pointer is already at
        moveTo(centreOf(Control::Label4));
        list->setFocus();
        QApplication::processEvents();
    };
    click(Control::Next1);
    openList();
    QTest::keyClick(list, Qt::Key_Return); // the keyboard cursor starts on "1"
    expectShowing(*form, 1);
    EXPECT_EQ(cues.played().size(), 2u);
    EXPECT_FALSE(form->visible(Control::List1));

    openList();
    QTest::keyClick(list, Qt::Key_Down); // moving the selection picks at once
    expectShowing(*form, 2);
    EXPECT_EQ(cues.played().size(), 3u);
    openList();
    QTest::keyClick(list, Qt::Key_Space);
    expectShowing(*form, 2);
    EXPECT_EQ(cues.played().size(), 4u);

    // With neither a selection nor a keyboard cursor there is nothing to pick.
    openList();
    list->clearSelection();
    list->setCurrentIndex({});
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(cues.played().size(), 4u);
    EXPECT_TRUE(form->visible(Control::List1));
}

TEST_F(BrowseTest, AboutShowsTheAuthorsBoxAndChangesNothing)
{
    click(Control::About);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.toStdU16String(), AboutText());
    EXPECT_EQ(messages[0].title, QStringLiteral("Zarvona"));
    EXPECT_EQ(messages[0].style, AboutStyle);
    expectShowing(*form, 1);
    EXPECT_TRUE(cues.played().empty());
}

TEST_F(BrowseTest, TheRealAboutBoxReadsRightToLeftAndClosesWithItsOneButton)
{
    form->setMessagePresenter(showMessageBox);
    bool inspected = false;
    // The box runs its own event loop: look at it from a timer, then close it with its button.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        poll.stop();
        inspected = true;
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Zarvona"));
        // The marks that set each line's reading order aside, the text as the handler built it.
        EXPECT_EQ(QString(box->text()).remove(QChar(0x200F)),
                  QStringLiteral("إعداد وتصميم Koravel\nkoravel@example.org\n1422 - 2001"));
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->layoutDirection(), Qt::RightToLeft);
        EXPECT_EQ(box->buttons().size(), 1);
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            EXPECT_TRUE(label->alignment() & Qt::AlignRight);
            // Its text labels the button, as one line, so that a braille display shows it.
            QAccessibleInterface* button =
                QAccessible::queryAccessibleInterface(box->buttons().front());
            const auto labels = button->relations(QAccessible::Label);
            ASSERT_EQ(labels.size(), 1);
            EXPECT_EQ(QString(labels.front().first->text(QAccessible::Name)).remove(QChar(0x200F)),
                      QStringLiteral("إعداد وتصميم Koravel koravel@example.org 1422 - 2001"));
            EXPECT_EQ(button->text(QAccessible::Name), box->buttons().front()->text());
        } else {
            ADD_FAILURE() << "the box has no text label";
        }
        box->buttons().front()->click();
    });
    poll.start(5);
    click(Control::About);
    EXPECT_TRUE(inspected);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    expectShowing(*form, 1);
}

TEST_F(BrowseTest, ARunTimeErrorIsReportedOnceAndTheWindowGoesOn)
{
    form->setCaption(Control::Label5, u"x");
    testing::internal::CaptureStderr();
    click(Control::Next1);
    const std::string stderrText = testing::internal::GetCapturedStderr();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("13")));
    EXPECT_NE(stderrText.find("run-time error 13: Type mismatch"), std::string::npos);
    form->setCaption(Control::Label5, u"9");
    click(Control::Next1);
    expectShowing(*form, 10);
    EXPECT_EQ(messages.size(), 1u);
}

// Random pointer movement and clicks at real coordinates, through Qt's routing.
TEST_F(BrowseTest, TheBooksInvariantsHoldThroughARandomSession)
{
    RandomSession session(7, 4);
    std::size_t moves = 0, firstReveals = 0;
    for (int step = 0; step < 600; ++step) {
        const auto [at, isClick] = session.next();
        const QPoint point = at::q(at);
        moveTo(point);
        const Control target = controlUnder(point);
        const bool wasShowing = form->visible(Control::Label2);
        if (isClick && target != Control::About) {
            QTest::mouseClick(form->window()->windowHandle(), Qt::LeftButton, {}, point);
            QApplication::processEvents();
            const bool moved = target == Control::Next1 || target == Control::Back ||
                               (target == Control::List1 && !form->visible(Control::List1));
            moves += moved;
            firstReveals += target == Control::Image2 && !wasShowing;
            if (moved) {
                ASSERT_FALSE(form->visible(Control::Label2));
            }
        }
        ASSERT_EQ(cues.played().size(), moves + firstReveals) << "step " << step;
        ASSERT_EQ(brokenInvariant(*form), "") << "step " << step;
    }
    EXPECT_GT(moves, 5u);
}

} // namespace
} // namespace zarvona

namespace zarvona {
namespace {

TEST_F(BrowseTest, ScreenReadersSeeNamedButtonsThatPressLikeClicksAndTheRiddleText)
{
    auto* next = QAccessible::queryAccessibleInterface(form->controlWidget(Control::Next1));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->role(), QAccessible::Button);
    EXPECT_EQ(next->text(QAccessible::Name), QStringLiteral("اللغز التالي"));
    ASSERT_NE(next->actionInterface(), nullptr);
    next->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    expectShowing(*form, 2);

    auto* question = QAccessible::queryAccessibleInterface(form->controlWidget(Control::Label1));
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->role(), QAccessible::StaticText);
    EXPECT_EQ(question->text(QAccessible::Name).toStdU16String(), RiddleCatalogue[1].question);

    auto* reveal = QAccessible::queryAccessibleInterface(form->controlWidget(Control::Image2));
    ASSERT_NE(reveal, nullptr);
    reveal->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(form->visible(Control::Label2));

    // The list opener opens the list and hands it the keyboard: a key then picks.
    auto* opener = QAccessible::queryAccessibleInterface(form->controlWidget(Control::Label4));
    ASSERT_NE(opener, nullptr);
    opener->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(form->visible(Control::List1));
    QWidget* list = form->controlWidget(Control::List1);
    QTest::keyClick(list, Qt::Key_Return);
    expectShowing(*form, 1);
    EXPECT_FALSE(form->visible(Control::List1));
}

} // namespace
} // namespace zarvona

namespace zarvona {
namespace {

// The same random session of moves and clicks, given to the real window through Qt's routing
// and to the in-memory model through the definition's routing, leaves both in the same state
// after every step.
TEST_F(BrowseTest, TheRealWindowAndTheModelAgreeStepByStep)
{
    MemoryForm model;
    Form_Load(model);
    const auto fail = [](const RuntimeError& e) { FAIL() << e.what(); };
    RandomSession session(23, 3);
    for (int step = 0; step < 1000; ++step) {
        const auto [at, isClick] = session.next();
        const int x = at.x, y = at.y;
        moveTo({x, y});
        raiseEvent(model, controlAt(model, x, y), Event::MouseMove, fail);
        const Control target = controlUnder({x, y});
        if (isClick && target != Control::About && target != Control::List1) {
            QTest::mouseClick(form->window()->windowHandle(), Qt::LeftButton, {}, {x, y});
            QApplication::processEvents();
            raiseEvent(model, target, Event::Click, fail);
        }
        ASSERT_EQ(stateOf(*form), stateOf(model)) << "step " << step << " at " << x << "," << y;
        ASSERT_EQ(brokenInvariant(*form), "") << "step " << step;
    }
    EXPECT_GT(model.cues().size(), 10u); // the session really did browse and reveal
}

} // namespace
} // namespace zarvona

namespace zarvona {
namespace {

// What a key does on the model, given where the real window's focus is when it arrives: the
// program's state must then agree with the real window's, key for key.
class KeyModel {
  public:
    explicit KeyModel(MemoryForm& model) : m_model(model) {}

    // focused: the button with the focus, Form1 for none; listCursor: the open list's keyboard
    // cursor when the list has the focus, -1 when it has not.
    void press(int key, Control focused, int listCursor, NumberEntry::Clock::time_point now)
    {
        const bool confirm = key == Qt::Key_Space || key == Qt::Key_Return;
        if (focused != Control::Form1 && confirm)
            return raise(focused, focused == Control::Label4 ? Event::MouseMove : Event::Click);
        if (listCursor >= 0) {
            if (confirm)
                return pick(m_model.selectedListItem().value_or(listCursor));
            if (key == Qt::Key_Down || key == Qt::Key_Up) {
                const int to = listCursor + (key == Qt::Key_Down ? 1 : -1);
                if (to >= 0 && to < RiddleCount)
                    pick(to);
                return;
            }
        }
        if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            const std::optional<int> number = m_entry.type(key - Qt::Key_0, now);
            if (!m_model.visible(Control::List1))
                raise(Control::Label4, Event::MouseMove);
            if (number)
                m_model.selectListItem(*number - 1);
            return;
        }
        const bool listOpen = m_model.visible(Control::List1);
        switch (key) {
        case Qt::Key_Escape:
            if (listOpen)
                m_model.setVisible(Control::List1, false);
            return;
        case Qt::Key_Return:
            if (listOpen) {
                if (m_model.selectedListItem())
                    pick(*m_model.selectedListItem());
                return;
            }
            return raise(Control::Image2, Event::Click);
        case Qt::Key_Space: return raise(Control::Image2, Event::Click);
        case Qt::Key_Left:
        case Qt::Key_PageDown: return raise(Control::Next1, Event::Click);
        case Qt::Key_Right:
        case Qt::Key_PageUp: return raise(Control::Back, Event::Click);
        case Qt::Key_Home: return pick(0);
        case Qt::Key_End: return pick(99);
        case Qt::Key_F1: return raise(Control::About, Event::Click);
        default: return; // Up, Down and Tab change nothing the program keeps
        }
    }

  private:
    void raise(Control control, Event event)
    {
        raiseEvent(m_model, control, event, [](const RuntimeError& e) { FAIL() << e.what(); });
    }
    void pick(int row)
    {
        m_model.selectListItem(row);
        raise(Control::List1, Event::Click);
    }

    MemoryForm& m_model;
    NumberEntry m_entry{RiddleCount};
};

// The random session of the test before, with real key presses among the pointer's moves and
// clicks: every key a shortcut, a digit, Tab or a key of the open list.
TEST_F(BrowseTest, TheRealWindowAndTheModelAgreeThroughKeysToo)
{
    MemoryForm model;
    Form_Load(model);
    KeyModel keys(model);
    const auto fail = [](const RuntimeError& e) { FAIL() << e.what(); };
    const auto state = stateOf;
    const int keyChoices[] = {Qt::Key_Left,    Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown,
                              Qt::Key_Home,    Qt::Key_End,   Qt::Key_Space,  Qt::Key_Return,
                              Qt::Key_Escape,  Qt::Key_Up,    Qt::Key_Down,   Qt::Key_Tab,
                              Qt::Key_Backtab, Qt::Key_F1,    Qt::Key_0,      Qt::Key_1,
                              Qt::Key_2,       Qt::Key_4,     Qt::Key_5,      Qt::Key_9};
    auto* list = dynamic_cast<NumberList*>(form->controlWidget(Control::List1));
    ASSERT_NE(list, nullptr);
    std::mt19937 random(31);
    std::size_t keysPressed = 0;
    QPoint pointer(-1, -1);
    for (int step = 0; step < 1200; ++step) {
        if (random() % 2 == 0) {
            const auto [x, y] = randomPoint(random);
            if (QPoint(x, y) == pointer)
                continue; // Qt reports no movement to where the pointer already is
            pointer = {x, y};
            moveTo(pointer);
            raiseEvent(model, controlAt(model, x, y), Event::MouseMove, fail);
            const Control target = controlUnder({x, y});
            if (random() % 4 == 0 && target != Control::About && target != Control::List1) {
                QTest::mouseClick(form->window()->windowHandle(), Qt::LeftButton, {}, {x, y});
                QApplication::processEvents();
                raiseEvent(model, target, Event::Click, fail);
            }
        } else {
            const bool listFocused = QApplication::focusWidget() == list;
            int k = keyChoices[random() % std::size(keyChoices)];
            if (listFocused && (k == Qt::Key_PageUp || k == Qt::Key_PageDown))
                k = Qt::Key_Escape; // the list pages by its own height: left to its own test
            Control focused = Control::Form1;
            for (Control c : TabButtons)
                if (QApplication::focusWidget() == form->controlWidget(c))
                    focused = c;
            now += std::chrono::milliseconds(100 + random() % 1400);
            keys.press(k, focused, listFocused ? list->currentRow() : -1, now);
            if (k == Qt::Key_Backtab)
                key(Qt::Key_Tab, Qt::ShiftModifier);
            else
                key(k);
            ++keysPressed;
        }
        ASSERT_EQ(state(*form), state(model)) << "step " << step;
        ASSERT_EQ(cues.played(), model.cues()) << "step " << step;
        ASSERT_EQ(messages.size(), model.messages().size()) << "step " << step;
        const QWidget* focus = QApplication::focusWidget();
        ASSERT_TRUE(focus == nullptr || !focus->isHidden()) << "a hidden control has the keys";
    }
    EXPECT_GT(keysPressed, 400u);
    EXPECT_GT(model.cues().size(), 100u);
}

} // namespace
} // namespace zarvona
