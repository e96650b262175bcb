#include "window/access/keyboard.h"

#include "ui/runtime_error.h"
#include "window/access/focus_ring.h"
#include "window/controls/number_list.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>

#include <algorithm>
#include <vector>

namespace zarvona {

namespace {

constexpr int FirstNumber = 1;
constexpr int LastNumber = -1; // the list's last number, whatever its count

// A key and the control whose click it raises; for List1, the number it picks.
struct Shortcut {
    int key;
    Control control;
    int number = 0;
};

constexpr std::array Shortcuts = {
    Shortcut{Qt::Key_Left, Control::Next1},
    Shortcut{Qt::Key_PageDown, Control::Next1},
    Shortcut{Qt::Key_Right, Control::Back},
    Shortcut{Qt::Key_PageUp, Control::Back},
    Shortcut{Qt::Key_Home, Control::List1, FirstNumber},
    Shortcut{Qt::Key_End, Control::List1, LastNumber},
    Shortcut{Qt::Key_Space, Control::Image2},
    Shortcut{Qt::Key_Return, Control::Image2},
    Shortcut{Qt::Key_Enter, Control::Image2},
    Shortcut{Qt::Key_F1, Control::About},
};

struct ScaleKey {
    int key;
    ScaleChange change;
};

// With Ctrl, and Shift where the layout needs it for + (Ctrl++ is Ctrl+Shift+= on many).
constexpr std::array ScaleKeys = {
    ScaleKey{Qt::Key_Equal, ScaleChange::Larger},
    ScaleKey{Qt::Key_Plus, ScaleChange::Larger},
    ScaleKey{Qt::Key_Minus, ScaleChange::Smaller},
    ScaleKey{Qt::Key_0, ScaleChange::Natural},
};

// Ctrl's letters by the key's place where the layout types no Latin letter there (an Arabic-only
// layout): the key where a US keyboard has Q or W closes the window, as desktop programs do. X
// servers and Wayland compositors number the keys as Linux's input layer does, plus 8 (Q is 24,
// W 25); Windows by the keyboard's scan codes (Q 0x10, W 0x11), though there Qt already reads
// such a key by its Latin letter. A layout that types a Latin letter there is read by the letter.
bool closesByPlace(const QKeyEvent& key)
{
    if (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
        return false;
    static const bool windows = QGuiApplication::platformName() == QLatin1String("windows");
    const quint32 place = key.nativeScanCode();
    return windows ? place == 0x10 || place == 0x11 : place == 24 || place == 25;
}

int digitOf(const QKeyEvent& key)
{
    // Arabic-Indic digits count as much as ASCII ones: an Arabic layout types them.
    const QString text = key.text();
    return text.size() == 1 && text.front().isDigit() ? text.front().digitValue() : -1;
}

} // namespace

QString toolTipFor(const ControlDefinition& definition)
{
    return QString::fromStdU16String(std::u16string(definition.spokenName)) +
           QStringLiteral(" — ") + QString::fromStdU16String(std::u16string(definition.keys));
}

Keyboard::Keyboard(KeyedWindow& form, const FormDefinition& definition)
    : m_form(form), m_tabOrder(definition.inOrder(&ControlDefinition::tabPosition)),
      m_clock(NumberEntry::Clock::now), m_entry(definition[Control::List1].listItemCount)
{
    for (const ControlDefinition& d : definition.controls)
        if (d.opensList)
            m_listOpener = d.control;
    for (const Control control : m_tabOrder) {
        if (definition[control].role != ReaderRole::Button)
            continue; // the list takes the focus its own way, once it is made
        QWidget* button = form.controlWidget(control);
        button->setFocusPolicy(Qt::TabFocus);
        button->setToolTip(toolTipFor(definition[control]));
    }
    m_ring = new FocusRing(form.window());
    // The window keeps the focus until Tab is pressed: otherwise Qt would hand it to the first
    // button when the window is activated, and Space would press About instead of revealing.
    form.window()->setFocus(Qt::OtherFocusReason);
}

bool Keyboard::moveFocus(bool forward)
{
    std::vector<QWidget*> order;
    for (const Control control : m_tabOrder) {
        // Asking for the list would make it: it is visited only once made, while it shows.
        QWidget* widget = control == Control::List1 ? madeList() : m_form.controlWidget(control);
        if (widget != nullptr && !widget->isHidden())
            order.push_back(widget);
    }
    const auto n = static_cast<std::ptrdiff_t>(order.size());
    const auto at = std::find(order.begin(), order.end(), QApplication::focusWidget());
    // From the window itself, Tab starts at the first button and Shift+Tab at the last.
    const std::ptrdiff_t from = at != order.end() ? at - order.begin() : forward ? -1 : n;
    const std::ptrdiff_t to = ((from + (forward ? 1 : -1)) % n + n) % n;
    order[static_cast<std::size_t>(to)]->setFocus(forward ? Qt::TabFocusReason
                                                          : Qt::BacktabFocusReason);
    return true;
}

NumberList* Keyboard::madeList() const
{
    for (QWidget* child : m_form.window()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (auto* numbers = dynamic_cast<NumberList*>(child))
            return numbers;
    return nullptr;
}

NumberList* Keyboard::list() const
{
    try {
        return dynamic_cast<NumberList*>(m_form.controlWidget(Control::List1));
    } catch (const RuntimeError&) {
        return nullptr; // a window without a number list
    }
}

bool Keyboard::windowKey(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier &&
        (key.key() == Qt::Key_Q || key.key() == Qt::Key_W || closesByPlace(key))) {
        m_form.window()->close();
        return true;
    }
    if ((modifiers & ~Qt::ShiftModifier) == Qt::ControlModifier) {
        for (const ScaleKey& scale : ScaleKeys) {
            if (scale.key == key.key()) {
                m_form.changeScale(scale.change);
                return true;
            }
        }
    }
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    // Some layouts need Shift for digits.
    if (const int digit = digitOf(key); digit >= 0) {
        typeDigit(digit);
        return true;
    }
    if (modifiers != Qt::NoModifier)
        return false;

    NumberList* numbers = list();
    const bool listOpen = numbers != nullptr && !numbers->isHidden();
    if (listOpen && key.key() == Qt::Key_Escape) {
        numbers->hide();
        return true;
    }
    for (const Shortcut& shortcut : Shortcuts) {
        if (shortcut.key != key.key())
            continue;
        if (shortcut.control != Control::List1)
            m_form.fire(shortcut.control, Event::Click);
        else if (numbers != nullptr)
            pickNumber(shortcut.number == LastNumber ? numbers->count() : shortcut.number);
        return true;
    }
    return false;
}

void Keyboard::pickNumber(int number)
{
    list()->selectNumber(number);
    m_form.fire(Control::List1, Event::Click);
}

void Keyboard::typeDigit(int digit)
{
    const std::optional<int> number = m_entry.type(digit, m_clock());
    NumberList* numbers = list();
    if (numbers == nullptr)
        return;
    if (numbers->isHidden())
        m_form.fire(m_listOpener, Event::MouseMove);
    if (number)
        numbers->selectNumber(*number);
    if (!numbers->isHidden())
        numbers->takeFocus();
}

} // namespace zarvona
