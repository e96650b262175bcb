#include "window/accessibility.h"

#include "window/control_widget.h"
#include "window/glyph_label.h"
#include "window/picture_box.h"
#include "window/text_label.h"

#include <QAccessibleWidget>
#include <QApplication>

#include <array>

namespace zarvona {

namespace {

// The window's children as assistive technology reads them: the riddle, then the buttons in
// the order Tab visits them, with the number list after its opener.
constexpr std::array Exposed = {Control::Label1, Control::Label2, Control::Label5,
                                Control::About,  Control::Label4, Control::List1,
                                Control::Back,   Control::Next1,  Control::Image2};

void toListeningTool(QAccessibleEvent* event)
{
    // Only a listening tool needs it; making the event's interface costs otherwise.
    if (QAccessible::isActive())
        QAccessible::updateAccessibility(event);
}

Announcer announcer = toListeningTool;

QString nameOf(Control control) { return QString::fromLatin1(controlName(control).data()); }

class AccessibleWindow final : public QAccessibleWidget {
  public:
    explicit AccessibleWindow(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->windowTitle();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return static_cast<int>(children().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> exposed = children();
        if (index < 0 || index >= exposed.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(exposed[index]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child == nullptr)
            return -1;
        return static_cast<int>(children().indexOf(qobject_cast<QWidget*>(child->object())));
    }

  private:
    // The list is made on first use, so it joins the children then.
    QList<QWidget*> children() const
    {
        QList<QWidget*> exposed;
        for (const Control control : Exposed)
            if (auto* w =
                    widget()->findChild<QWidget*>(nameOf(control), Qt::FindDirectChildrenOnly))
                exposed.append(w);
        return exposed;
    }
};

class AccessibleText final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit AccessibleText(TextLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

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
        if (t == QAccessible::Description) {
            switch (label().control()) {
            case Control::Label1: return QStringLiteral("السؤال");
            case Control::Label2: return QStringLiteral("الجواب");
            case Control::Label5: return QStringLiteral("رقم اللغز");
            default: break;
            }
        }
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

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return buttonName(button()->control());
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action != pressAction())
            return;
        ControlWidget* pressed = button();
        // A modal box runs an event loop of its own: opened from here, it would keep the
        // assistive tool waiting on its action call until someone closed the box.
        if (pressed->control() == Control::About)
            QMetaObject::invokeMethod(
                pressed, [pressed] { pressIfReachable(*pressed); }, Qt::QueuedConnection);
        else
            pressIfReachable(*pressed);
    }

  private:
    ControlWidget* button() const { return static_cast<ControlWidget*>(widget()); }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    Q_UNUSED(className);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (widget->isWindow() && widget->objectName() == nameOf(Control::Form1))
        return new AccessibleWindow(widget);
    if (auto* label = dynamic_cast<TextLabel*>(widget))
        return new AccessibleText(label);
    if (auto* glyph = dynamic_cast<GlyphLabel*>(widget))
        return new AccessibleButton(glyph);
    if (auto* picture = dynamic_cast<PictureBox*>(widget);
        picture != nullptr && picture->control() == Control::Image2)
        return new AccessibleButton(picture);
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

QString buttonName(Control control)
{
    switch (control) {
    case Control::Next1: return QStringLiteral("اللغز التالي");
    case Control::Back: return QStringLiteral("اللغز السابق");
    case Control::About: return QStringLiteral("عن البرنامج");
    case Control::Label4: return QStringLiteral("قائمة أرقام الألغاز");
    case Control::Image2: return QStringLiteral("الجواب");
    default: return {};
    }
}

QString exposedText(const TextLabel& label)
{
    return label.isHidden() ? QString() : label.displayText();
}

void announceText(TextLabel& label, const QString& before)
{
    const QString after = exposedText(label);
    if (after == before)
        return;
    QAccessibleTextUpdateEvent update(&label, 0, before, after);
    announcer(&update);
}

void announceList(QWidget* list)
{
    list->setAccessibleName(QStringLiteral("أرقام الألغاز"));
    QAccessibleEvent created(list, QAccessible::ObjectCreated);
    announcer(&created);
}

Announcer setAnnouncer(Announcer to)
{
    const Announcer was = announcer;
    announcer = to != nullptr ? to : toListeningTool;
    return was;
}

} // namespace zarvona
