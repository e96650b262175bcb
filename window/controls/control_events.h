// What a control widget asks of the window it belongs to: to raise one of its events, and to be
// pressed without the pointer. Which handler runs, and what pressing the list opener does, is
// the window's business.
#pragma once

#include "ui/form.h"

namespace zarvona {

class ControlEvents {
  public:
    virtual void fire(Control control, Event event) = 0;

    // A button pressed without the pointer (from the keyboard, or by a screen reader's press
    // action).
    virtual void activate(Control control) = 0;

  protected:
    ~ControlEvents() = default;
};

} // namespace zarvona
