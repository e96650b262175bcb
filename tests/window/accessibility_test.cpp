// What a screen reader sees and does, through Qt's accessibility interfaces in process.
#include "window_fixture.h"

#include "riddles/riddle_catalogue.h"
#include "window/access/accessibility.h"
#include "window/controls/text_label.h"
#include "window/form/message_box.h"

#include <QAccessible>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <map>

namespace zarvona {
namespace {

class AccessibilityTest : public WindowTest {
  protected:
    static QAccessibleInterface* of(QWidget* widget)
    {
        return QAccessible::queryAccessibleInterface(widget);
    }
    QAccessibleInterface* of(Control control) const { return of(form->controlWidget(control)); }

    std::vector<QAccessibleInterface*> children() const
    {
        QAccessibleInterface* window = of(form->window());
        std::vector<QAccessibleInterface*> all;
        for (int i = 0; i < window->childCount(); ++i)
            all.push_back(window->child(i));
        return all;
    }
};

TEST_F(AccessibilityTest, AFrameNamedZarvonaWithFiveButtonsTheRiddleAndNothingHidden)
{
    QAccessibleInterface* window = of(form->window());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window); // a frame on the AT-SPI bus
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("Zarvona"));

    const std::map<Control, QString> names = {
        {Control::About, QStringLiteral("عن البرنامج")},
        {Control::Label4, QStringLiteral("قائمة أرقام الألغاز")},
        {Control::Back, QStringLiteral("اللغز السابق")},
        {Control::Next1, QStringLiteral("اللغز التالي")},
        {Control::Image2, QStringLiteral("إظهار الجواب")},
    };
    std::map<Control, int> seen;
    int texts = 0, bars = 0;
    for (QAccessibleInterface* child : children()) {
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->parent(), window);
        EXPECT_EQ(window->indexOfChild(child), static_cast<int>(seen.size()) + texts);
        for (Control hidden : {Control::Image3, Control::Image4, Control::Shape1, Control::Shape2,
                               Control::Line1, Control::Line2})
            EXPECT_NE(child->object(), form->controlWidget(hidden)) << controlName(hidden);
        if (child->role() == QAccessible::StaticText) {
            ++texts;
            continue;
        }
        if (child->role() == QAccessible::StatusBar) { // what speaks for the window, unseen
            ++bars;
            EXPECT_TRUE(child->state().invisible);
            continue;
        }
        ASSERT_EQ(child->role(), QAccessible::Button);
        const auto* widget = child->object();
        for (const auto& [control, name] : names)
            if (form->controlWidget(control) == widget) {
                ++seen[control];
                EXPECT_EQ(child->text(QAccessible::Name), name);
                EXPECT_EQ(child->actionInterface()->actionNames(),
                          QStringList{QAccessibleActionInterface::pressAction()});
                EXPECT_TRUE(child->state().focusable);
                // The description is the keys alone: the reader says the name once.
                const QString keys = child->text(QAccessible::Description);
                EXPECT_FALSE(keys.isEmpty());
                EXPECT_FALSE(keys.contains(name)) << keys.toStdString();
            }
    }
    EXPECT_EQ(texts, 3);
    EXPECT_EQ(bars, 1);
    EXPECT_EQ(seen.size(), 5u);
    for (const auto& [control, count] : seen)
        EXPECT_EQ(count, 1) << controlName(control);
    EXPECT_EQ(form->controlWidget(Control::Next1)->toolTip(),
              QStringLiteral("اللغز التالي — ← أو Page Down"));
    EXPECT_EQ(of(Control::Next1)->text(QAccessible::Description), QStringLiteral("← أو Page Down"));
    EXPECT_EQ(form->controlWidget(Control::Image2)->toolTip(),
              QStringLiteral("إظهار الجواب — مفتاح المسافة أو Enter"));
}

TEST_F(AccessibilityTest, PressActionsRaiseTheClickHandlersAndAboutReturnsAtOnce)
{
    auto press = [&](Control c) {
        of(c)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    press(Control::Back);
    EXPECT_EQ(counter(), u"100");
    press(Control::Image2);
    EXPECT_TRUE(form->visible(Control::Label2));
    EXPECT_EQ(cues.played(), (std::vector<std::string>{"click.wav", "right.wav"}));

    press(Control::About);
    EXPECT_TRUE(messages.empty()) << "the action call returned before the box opened";
    QApplication::processEvents();
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(AccessibilityTest, NoButtonPressesBehindTheOpenAboutBox)
{
    form->setMessagePresenter(showMessageBox);
    bool pressedBehind = false;
    int boxesClosed = 0;
    // The box runs its own event loop: press Next and About behind it once, then close every
    // box that shows, counting them.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        if (!pressedBehind) {
            pressedBehind = true;
            for (Control c : {Control::Next1, Control::About})
                of(c)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            return;
        }
        ++boxesClosed;
        box->buttons().front()->click();
    });
    poll.start(5);
    of(Control::About)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QApplication::processEvents(); // the queued press opens the box
    EXPECT_TRUE(pressedBehind);
    EXPECT_EQ(boxesClosed, 1);
    EXPECT_EQ(counter(), u"1");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(AccessibilityTest, TheListIsAListOfItsNumbersWhereSelectingIsAPick)
{
    of(Control::Label4)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QAccessibleInterface* list = of(Control::List1);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->parent(), of(form->window()));
    ASSERT_EQ(list->childCount(), 100);
    for (int i : {0, 41, 99}) {
        EXPECT_EQ(list->child(i)->role(), QAccessible::ListItem);
        EXPECT_EQ(list->child(i)->text(QAccessible::Name), QString::number(i + 1));
    }

    // Selecting through the list's selection is a pick: one move, the list closes.
    QAccessibleTableInterface* selection = list->tableInterface();
    ASSERT_NE(selection, nullptr);
    EXPECT_TRUE(selection->selectRow(6));
    EXPECT_EQ(counter(), u"7");
    EXPECT_FALSE(form->visible(Control::List1));
    EXPECT_EQ(cues.played(), std::vector<std::string>{"click.wav"});
    EXPECT_TRUE(selection->isRowSelected(6));

    // So is an item's own action.
    form->setVisible(Control::List1, true);
    QAccessibleInterface* item = list->child(11);
    ASSERT_NE(item->actionInterface(), nullptr);
    item->actionInterface()->doAction(item->actionInterface()->actionNames().front());
    EXPECT_EQ(counter(), u"12");
    EXPECT_EQ(cues.played().size(), 2u);
}

TEST_F(AccessibilityTest, TheRiddleIsTextAndTheAnswerOnlyWhileItShows)
{
    auto textOf = [&](Control c) {
        QAccessibleTextInterface* text = of(c)->textInterface();
        return text == nullptr ? QStringLiteral("(no text)")
                               : text->text(0, text->characterCount());
    };
    const QString question = displayTextOf(RiddleCatalogue[0].question);
    const QString answer = displayTextOf(RiddleCatalogue[0].answer);
    EXPECT_EQ(textOf(Control::Label1), question);
    EXPECT_EQ(textOf(Control::Label5), QStringLiteral("1"));
    EXPECT_EQ(textOf(Control::Label2), QString());
    EXPECT_EQ(of(Control::Label2)->text(QAccessible::Name), QString());
    EXPECT_TRUE(of(Control::Label2)->state().invisible);
    click(Control::Image2);
    EXPECT_EQ(textOf(Control::Label2), answer);
    EXPECT_EQ(of(Control::Label2)->text(QAccessible::Name), answer);
}

QString said; // what the notifications that showed said

// A notification is spoken as its name and then its labels, but brailled as its labels alone,
// which must not repeat its name: so it has no name and says everything through its labels.
void record(QAccessibleEvent* event)
{
    QAccessibleInterface* shown = event->accessibleInterface();
    if (event->type() != QAccessible::ObjectShow || shown->role() != QAccessible::Notification)
        return;
    EXPECT_EQ(shown->text(QAccessible::Name), QString());
    for (int i = 0; i < shown->childCount(); ++i) {
        EXPECT_EQ(shown->child(i)->role(), QAccessible::StaticText);
        said += (said.isEmpty() ? QString() : QStringLiteral(" | ")) +
                shown->child(i)->text(QAccessible::Name);
    }
}

// What a reader hears of each action, by pointer as well as by key, and the hidden list's
// states. Orca itself is driven by keys in scripts/orca-check.
TEST_F(AccessibilityTest, EachActionIsHeardOnceAndTheHiddenListIsOutOfReach)
{
    const Announcer before = setAnnouncer(record);
    const auto riddle = [](int n) {
        return QString::number(n) + QStringLiteral(". ") +
               displayTextOf(RiddleCatalogue[n - 1].question);
    };
    const auto answer = [](int n) { return displayTextOf(RiddleCatalogue[n - 1].answer); };
    QWidget* list = form->controlWidget(Control::List1);
    const struct {
        const char* action;
        std::function<void()> act;
        QString heard;
    } steps[] = {
        {"activation", [&] { noteActivation(form->window()); }, riddle(1)},
        {"a second activation", [&] { noteActivation(form->window()); }, {}},
        {"Next by pointer", [&] { click(Control::Next1); }, riddle(2)},
        {"reveal by key", [&] { key(Qt::Key_Space); }, answer(2)},
        {"pointing at the answer", [&] { moveTo(at::answer); }, {}},
        {"a pick in the list by pointer",
         [&] { moveTo(centreOf(Control::Label4)), click(Control::List1, at::listItem3); },
         riddle(3)},
        {"Back by key", [&] { key(Qt::Key_Right); }, riddle(2)},
        {"typing 8 7 opens the list", [&] { type('8'), type('7'); }, {}},
        {"Return picks", [&] { key(Qt::Key_Return); }, riddle(87)},
        {"reveal by pointer", [&] { click(Control::Image2); },
         // The mixed number shows as one and a half, and is told so.
         QStringLiteral("الرقم هو (\u20661 1/2\u2069) لأن النصف (1/2) هو ثلث الرقم "
                        "(\u20661 1/2\u2069).")},
        {"Home", [&] { key(Qt::Key_Home); }, riddle(1)},
        {"End", [&] { key(Qt::Key_End); }, riddle(100)},
    };
    for (const auto& step : steps) {
        said.clear();
        step.act();
        QApplication::processEvents();
        EXPECT_EQ(said.toStdString(), step.heard.toStdString()) << step.action;
    }
    setAnnouncer(before);

    // Hidden, the list is no child of the window, and neither focused nor visible; its current
    // item (Home, End and the typing set it) is out of the reader's reach.
    ASSERT_TRUE(list->isHidden());
    for (QAccessibleInterface* child : children())
        EXPECT_NE(child->object(), list);
    EXPECT_TRUE(of(list)->state().invisible);
    EXPECT_FALSE(of(list)->state().focused);
}

// The reader is given the text as it reads on screen; only runs of numbers change.
TEST_F(AccessibilityTest, RunsOfNumbersAreToldInTheOrderTheyShow)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("(1/2 1)"), QStringLiteral("(\u20661 1/2\u2069)")},
        {QStringLiteral("٣ ١/٢"), QStringLiteral("\u2066١/٢ ٣\u2069")},
        {QStringLiteral("1 و2 و3"), QStringLiteral("1 و2 و3")},
        {QStringLiteral("888 + 88 = 976"), QStringLiteral("888 + 88 = 976")},
        {QStringLiteral("في السنة 2 هـ، يوم 17"), QStringLiteral("في السنة 2 هـ، يوم 17")},
    };
    for (const auto& [shown, told] : cases)
        EXPECT_EQ(spokenText(shown), told) << shown.toStdString();
    // Of the book, only riddle 87 has such a run.
    for (const RiddleEntry& riddle : RiddleCatalogue)
        for (const std::u16string_view text : {riddle.question, riddle.answer})
            EXPECT_EQ(spokenText(displayTextOf(text)) == displayTextOf(text),
                      &riddle != &RiddleCatalogue[86] || text == riddle.question)
                << &riddle - RiddleCatalogue.data() + 1;
}

} // namespace
} // namespace zarvona
