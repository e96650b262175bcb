// What a screen reader sees and does, through Qt's accessibility interfaces in process.
#include "window_fixture.h"

#include "riddles/riddle_catalogue.h"
#include "window/accessibility.h"
#include "window/message_box.h"
#include "window/text_label.h"

#include <QAccessible>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

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
        {Control::Image2, QStringLiteral("الجواب")},
    };
    std::map<Control, int> seen;
    int texts = 0;
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
        ASSERT_EQ(child->role(), QAccessible::Button);
        const auto* widget = child->object();
        for (const auto& [control, name] : names)
            if (form->controlWidget(control) == widget) {
                ++seen[control];
                EXPECT_EQ(child->text(QAccessible::Name), name);
                EXPECT_EQ(child->actionInterface()->actionNames(),
                          QStringList{QAccessibleActionInterface::pressAction()});
                EXPECT_TRUE(child->state().focusable);
                // The description is the tooltip: the action and its key, in Arabic.
                EXPECT_TRUE(child->text(QAccessible::Description).startsWith(name));
            }
    }
    EXPECT_EQ(texts, 3);
    EXPECT_EQ(seen.size(), 5u);
    for (const auto& [control, count] : seen)
        EXPECT_EQ(count, 1) << controlName(control);
    EXPECT_EQ(form->controlWidget(Control::Next1)->toolTip(),
              QStringLiteral("اللغز التالي — ← أو Page Down"));
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

std::vector<std::pair<QObject*, QString>> updates;

void recordUpdate(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::TextUpdated)
        updates.emplace_back(event->object(),
                             static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted());
}

TEST_F(AccessibilityTest, ChangesOfTheRiddleAreAnnounced)
{
    updates.clear();
    const Announcer before = setAnnouncer(recordUpdate);
    click(Control::Next1);
    click(Control::Image2);
    setAnnouncer(before);

    const QString question = displayTextOf(RiddleCatalogue[1].question);
    const QString answer = displayTextOf(RiddleCatalogue[1].answer);
    const std::vector<std::pair<QObject*, QString>> expected = {
        {form->controlWidget(Control::Label5), QStringLiteral("2")},
        {form->controlWidget(Control::Label1), question},
        // Nothing while the new answer is loaded hidden; all of it when it shows.
        {form->controlWidget(Control::Label2), answer},
    };
    EXPECT_EQ(updates, expected);
}

} // namespace
} // namespace zarvona
