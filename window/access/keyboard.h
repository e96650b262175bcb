// The window's keys. Every key raises what a pointer action raises, through the same event
// wiring, so the cues, the answer and the counter behave exactly as with the mouse:
//
//   Left, PageDown   Next1's click (the next riddle lies to the left in this book)
//   Right, PageUp    Back's click
//   Home, End        a pick of the first or the last number in the number list, as a click on
//                    that row: the pick is the one move that reaches any number at once
//   Space, Return    Image2's click (the reveal)
//   F1               About's click
//   digits           open the number list as pointing at its opener does, select the number
//                    typed and hand the list the keyboard; a pause of a second starts a new
//                    number. Return then picks it, Escape closes the list without a move.
//                    Only the keyboard hands the list the keyboard (digits, or its opener
//                    pressed): in a list the pointer opened, Return still reveals.
//   Ctrl+Q, Ctrl+W   close the window; on a layout with no Latin letters, Ctrl with the keys
//                    where a US keyboard has them
//   Ctrl+= Ctrl++    the whole window larger, in steps of 125, 150, 175 and 200% (the keypad's
//                    + too); Ctrl+- smaller, down to 100%; Ctrl+0 back to 100%. Ctrl with the
//                    mouse wheel does the same.
//
// Tab and Shift+Tab move the focus through the five buttons in right-to-left reading order;
// Space or Return presses the focused one. Up and Down belong to the open list alone.
#pragma once

#include "ui/form_definition.h"
#include "ui/number_entry.h"
#include "window/controls/control_events.h"

#include <QString>

#include <functional>
#include <vector>

class QKeyEvent;
class QWidget;

namespace zarvona {

class FocusRing;
class NumberList;

enum class ScaleChange { Larger, Smaller, Natural };

// What the keys need of the window: its widget, each control's widget (asking for the list
// makes it), a way to raise the controls' events, and its size.
class KeyedWindow : public ControlEvents {
  public:
    virtual QWidget* window() const = 0;
    virtual QWidget* controlWidget(Control control) = 0;
    virtual void changeScale(ScaleChange change) = 0;

  protected:
    ~KeyedWindow() = default;
};

class Keyboard {
  public:
    using Clock = std::function<NumberEntry::Clock::time_point()>;

    Keyboard(KeyedWindow& form, const FormDefinition& definition);

    // Where typing a number reads the time; tests give a clock of their own.
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // A key that reached the window: nothing had the focus, or the focused control passed it
    // on. Returns whether the key meant something here.
    bool windowKey(const QKeyEvent& key);

    // Tab and Shift+Tab: the focus goes to the next or the previous control in the definition's
    // Tab order that shows (the number list only while it is open), round and round.
    bool moveFocus(bool forward);

    const FocusRing& focusRing() const { return *m_ring; }

  private:
    NumberList* list() const;     // made on first use
    NumberList* madeList() const; // only if made already
    void pickNumber(int number);
    void typeDigit(int digit);

    KeyedWindow& m_form;
    const std::vector<Control> m_tabOrder;
    Control m_listOpener = Control::Form1; // none
    Clock m_clock;
    NumberEntry m_entry;
    FocusRing* m_ring; // owned by the window
};

// What a button's tooltip says: its action and its keys.
QString toolTipFor(const ControlDefinition& definition);

} // namespace zarvona
