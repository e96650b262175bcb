#include "window/access/accessibility.h"

#include "window/controls/control_widget.h"
#include "window/controls/number_list.h"
#include "window/controls/text_label.h"

#include <QAbstractButton>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QWindow>
#include <private/qhighdpiscaling_p.h>

#include <algorithm>
#include <array>

namespace zarvona {

namespace {

void toListeningTool(QAccessibleEvent* event) { QAccessible::updateAccessibility(event); }

Announcer announcer = toListeningTool;

// Whether anyone hears what the window says: a tool on the bus, or a test.
bool listening() { return announcer != toListeningTool || QAccessible::isActive(); }

QString nameOf(Control control) { return QString::fromLatin1(controlName(control).data()); }

// What speaks for the window. Orca presents an object of the notification role when it shows,
// and one inside a status bar without the role's own name, so the window holds a status bar
// with one notification in it. None of them is visible or showing, so none takes a place in the
// reader's review of the window; each time the notification has something to say, its one label
// takes the text as its name and the notification tells the bus it shows.
// Work-around for Orca 43 (still so in 46): a notification's speech is its name and then the
// text of its labels, but its braille, and its entry in Orca's notification history, are the
// labels' text alone, and a label that repeats the notification's name is left out. So the
// notification has no name of its own and says everything through its label. It can go once the
// window speaks through Qt's announcement call (Qt 6.8) to an Orca that brailles it (45.2).
class Speaker final : public QObject {
  public:
    explicit Speaker(QObject* parent) : QObject(parent), line(new QObject(this)) {}

    QObject* const line;        // its label
    QString said;               // its label's name: what it last said
    bool started = false;       // it has said the riddle the window was activated on
    bool riddlePending = false; // a move: the number and the question
    bool answerPending = false; // a reveal: the answer
    bool queued = false;
};

// It also keeps what the window's definition says of its controls: the order a reader lists
// them in, what a reader hears after a click on each, and which texts say the riddle and the
// answer.
class SpeechBar final : public QObject {
  public:
    SpeechBar(QObject* window, const FormDefinition& definition)
        : QObject(window), speaker(new Speaker(this)),
          exposed(definition.inOrder(&ControlDefinition::readerPosition)),
          riddle(definition.riddleHeard), answer(definition.answerHeard)
    {
        for (const ControlDefinition& d : definition.controls)
            heard.at(static_cast<std::size_t>(d.control)) = d.heard;
    }
    Speaker* const speaker;
    const std::vector<Control> exposed;
    const std::array<Control, 2> riddle;
    const Control answer;
    std::array<Heard, ControlCount> heard{};
};

SpeechBar* speechBarOf(const QWidget* window)
{
    for (QObject* child : window->children())
        if (auto* bar = dynamic_cast<SpeechBar*>(child))
            return bar;
    return nullptr;
}

// The bar, holding the speaker; the speaker, holding its label; and the label, named by what
// the speaker said.
class AccessibleUnseen final : public QAccessibleObject {
  public:
    AccessibleUnseen(QObject* object, QAccessible::Role role, QObject* child)
        : QAccessibleObject(object), m_role(role), m_child(child)
    {
    }

    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return m_child != nullptr ? 1 : 0; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && m_child != nullptr ? QAccessible::queryAccessibleInterface(m_child)
                                                : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && m_child != nullptr && child->object() == m_child ? 0 : -1;
    }
    QString text(QAccessible::Text t) const override
    {
        const auto* speaker = dynamic_cast<const Speaker*>(object()->parent());
        const bool line = speaker != nullptr && speaker->line == object();
        return t == QAccessible::Name && line ? speaker->said : QString();
    }
    QAccessible::Role role() const override { return m_role; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        state.offscreen = true;
        return state;
    }

  private:
    QAccessible::Role m_role;
    QObject* m_child;
};

QString shownText(const QWidget* window, Control control)
{
    const auto* label = dynamic_cast<const TextLabel*>(
        window->findChild<QWidget*>(nameOf(control), Qt::FindDirectChildrenOnly));
    return label != nullptr ? exposedText(*label) : QString();
}

// Says, once the action that changed the riddle or showed the answer is done, what it changed.
void speakPending(QWidget* window)
{
    SpeechBar* bar = speechBarOf(window);
    if (bar == nullptr)
        return;
    Speaker& speaker = *bar->speaker;
    QStringList lines;
    if (speaker.riddlePending)
        lines << shownText(window, bar->riddle[0]) + QStringLiteral(". ") +
                     shownText(window, bar->riddle[1]);
    if (speaker.answerPending)
        lines << shownText(window, bar->answer);
    speaker.riddlePending = speaker.answerPending = speaker.queued = false;
    lines.removeAll(QString());
    if (lines.isEmpty() || !listening())
        return;
    speaker.said = lines.join(QLatin1Char('\n'));
    // The reader keeps the names it has read: it hears the new one before the notification shows.
    QAccessibleEvent named(speaker.line, QAccessible::NameChanged);
    announcer(&named);
    QAccessibleEvent shown(&speaker, QAccessible::ObjectShow);
    announcer(&shown);
}

void queueSpeech(QWidget* window, bool riddle, bool answer)
{
    SpeechBar* bar = speechBarOf(window);
    if (bar == nullptr)
        return;
    Speaker& speaker = *bar->speaker;
    speaker.riddlePending |= riddle;
    speaker.answerPending |= answer;
    if (speaker.queued)
        return;
    speaker.queued = true;
    // After the action: the focus it moves (a closing list hands it back) is heard first.
    QMetaObject::invokeMethod(
        window, [window] { speakPending(window); }, Qt::QueuedConnection);
}

// Where a widget lies on the screen for a reader. Qt's AT-SPI bridge passes on the rectangles
// of the window's own coordinates, which are the screen's pixels only while the screen is drawn
// at a ratio of 1: on a larger window (a scaled screen, or large print), they are given here in
// the screen's pixels.
QRect screenRect(const QRect& rect, const QWidget& widget)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (const QWindow* window = widget.window()->windowHandle())
        return QHighDpi::toNativePixels(rect, window);
#else
    Q_UNUSED(widget); // UI Automation is told the screen's pixels by Qt itself
#endif
    return rect;
}

class AccessibleWindow final : public QAccessibleWidget {
  public:
    explicit AccessibleWindow(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QRect rect() const override { return screenRect(QAccessibleWidget::rect(), *widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->windowTitle();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return static_cast<int>(children().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QObject*> exposed = children();
        if (index < 0 || index >= exposed.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(exposed[index]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child == nullptr)
            return -1;
        return static_cast<int>(children().indexOf(child->object()));
    }

  private:
    // The list is made on first use, and is there only while it shows: hidden, it has nothing
    // to say. Work-around for Qt 6.4 with Orca 43: Qt's list items report themselves focused and
    // selected while the list is hidden, and Orca would speak them. It can go once Qt's items
    // report no state of a hidden list. What speaks for the window comes last.
    QList<QObject*> children() const
    {
        QList<QObject*> exposed;
        SpeechBar* bar = speechBarOf(widget());
        if (bar == nullptr)
            return exposed;
        for (const Control control : bar->exposed) {
            auto* w = widget()->findChild<QWidget*>(nameOf(control), Qt::FindDirectChildrenOnly);
            if (w != nullptr && !(dynamic_cast<NumberList*>(w) != nullptr && w->isHidden()))
                exposed.append(w);
        }
        exposed.append(bar);
        return exposed;
    }
};

class AccessibleText final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleText(TextLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QRect rect() const override { return screenRect(QAccessibleWidget::rect(), *widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return shown();
        if (t == QAccessible::Description)
            return widget()->accessibleName(); // what it holds: the question, the answer...
        return QAccessibleWidget::text(t);
    }

    // The text interface: the label's text, read only, with nothing selected.
    QString text(int startOffset, int endOffset) const override
    {
        return shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    void selection(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

  private:
    const TextLabel& label() const { return *static_cast<const TextLabel*>(object()); }
    QString shown() const { return exposedText(label()); }
};

// While a modal box is open, the window behind it takes no input, from any quarter.
void pressIfReachable(ControlWidget& button)
{
    if (QApplication::activeModalWidget() == nullptr)
        button.activate();
}

class AccessibleButton final : public QAccessibleWidget {
  public:
    explicit AccessibleButton(ControlWidget* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QRect rect() const override { return screenRect(QAccessibleWidget::rect(), *widget()); }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action != pressAction())
            return;
        ControlWidget* pressed = button();
        // A modal box runs an event loop of its own: opened from here, it would keep the
        // assistive tool waiting on its action call until someone closed the box.
        if (pressed->definition().opensBox)
            QMetaObject::invokeMethod(
                pressed, [pressed] { pressIfReachable(*pressed); }, Qt::QueuedConnection);
        else
            pressIfReachable(*pressed);
    }

  private:
    ControlWidget* button() const { return static_cast<ControlWidget*>(widget()); }
};

// A message box's buttons, labelled by its text. Work-around for Orca 43 (still so in 46): its
// braille shows a box by its title alone and then the focused button, so the box's text, which
// speech reads as the box's, never reaches the display. Labelled by it, the button the box opens
// on shows it, and the reader hears the same words in the same order (the box's title, its text,
// the button), the text now with the button. It can go once Orca brailles an alert's text.
class AccessibleBoxButton final : public QAccessibleWidget {
  public:
    explicit AccessibleBoxButton(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return QString(button()->text()).remove(QLatin1Char('&')); // no mnemonic is read
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            button()->animateClick();
    }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto related = QAccessibleWidget::relations(match);
        auto* text = button()->window()->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if ((match & QAccessible::Label) && text != nullptr && text->buddy() == button())
            related.append({QAccessible::queryAccessibleInterface(text), QAccessible::Label});
        return related;
    }

  private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    Q_UNUSED(className);
    if (auto* bar = dynamic_cast<SpeechBar*>(object))
        return new AccessibleUnseen(bar, QAccessible::StatusBar, bar->speaker);
    if (auto* speaker = dynamic_cast<Speaker*>(object))
        return new AccessibleUnseen(speaker, QAccessible::Notification, speaker->line);
    if (auto* speaker = dynamic_cast<Speaker*>(object != nullptr ? object->parent() : nullptr);
        speaker != nullptr && speaker->line == object)
        return new AccessibleUnseen(object, QAccessible::StaticText, nullptr);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (auto* button = qobject_cast<QAbstractButton*>(widget);
        button != nullptr && qobject_cast<QMessageBox*>(button->window()) != nullptr)
        return new AccessibleBoxButton(button);
    if (widget->isWindow() && widget->objectName() == nameOf(Control::Form1))
        return new AccessibleWindow(widget);
    if (auto* label = dynamic_cast<TextLabel*>(widget))
        return new AccessibleText(label);
    if (auto* button = dynamic_cast<ControlWidget*>(widget);
        button != nullptr && button->definition().role == ReaderRole::Button)
        return new AccessibleButton(button);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void exposeSpeech(QWidget* window, const FormDefinition& definition)
{
    new SpeechBar(window, definition);
}

void noteAction(QWidget* window, Control control, Event event)
{
    if (event != Event::Click || !listening())
        return;
    const SpeechBar* bar = speechBarOf(window);
    const Heard heard =
        bar != nullptr ? bar->heard.at(static_cast<std::size_t>(control)) : Heard::Nothing;
    if (heard != Heard::Nothing)
        queueSpeech(window, heard == Heard::Riddle, heard == Heard::Answer);
}

void noteActivation(QWidget* window)
{
    SpeechBar* bar = speechBarOf(window);
    if (bar == nullptr || bar->speaker->started || !listening())
        return;
    bar->speaker->started = true;
    queueSpeech(window, true, false);
}

QString spokenText(const QString& shown)
{
    // A run of numbers with only spaces between them ("1/2 1") shows, in a right-to-left line, in
    // the opposite order ("1 1/2": one and a half); a speech engine reads the characters in the
    // order they are stored. The reader is given such a run in the order it shows, isolated from
    // left to right so that it also shows so.
    static const QRegularExpression run(
        QStringLiteral("\\d+(?:[/.,]\\d+)*(?: +\\d+(?:[/.,]\\d+)*)+"),
        QRegularExpression::UseUnicodePropertiesOption);
    QString spoken;
    qsizetype from = 0;
    for (QRegularExpressionMatchIterator it = run.globalMatch(shown); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QStringList numbers = match.captured().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        std::reverse(numbers.begin(), numbers.end());
        spoken += shown.mid(from, match.capturedStart() - from) + QChar(0x2066) +
                  numbers.join(QLatin1Char(' ')) + QChar(0x2069);
        from = match.capturedEnd();
    }
    return from == 0 ? shown : spoken + shown.mid(from);
}

QString exposedText(const TextLabel& label)
{
    return label.isHidden() ? QString() : spokenText(label.displayText());
}

Announcer setAnnouncer(Announcer to)
{
    const Announcer was = announcer;
    announcer = to != nullptr ? to : toListeningTool;
    return was;
}

} // namespace zarvona
