// The pointer side of a label or image control in the real window: it reports every movement
// over it (mouse tracking on, so no button is needed) and a click, which is a left-button press
// and release both over it. A button that has the keyboard focus is pressed with Space or
// Return; every other key goes on to the window. What it looks like, and which of the model's
// properties it has, is left to the subclasses.
#pragma once

#include "ui/form.h"
#include "ui/form_definition.h"
#include "window/controls/control_events.h"
#include "window/controls/control_properties.h"

#include <QWidget>

namespace zarvona {

class ControlWidget : public QWidget, public ControlProperties {
  public:
    ControlWidget(const ControlDefinition& definition, ControlEvents& events, QWidget* parent);

    Control control() const { return m_definition.control; }
    const ControlDefinition& definition() const { return m_definition; }

    // What pressing it through assistive technology does: see ControlEvents::activate.
    void activate();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    const ControlDefinition& m_definition;
    ControlEvents& m_events;
    bool m_pressed = false;
};

} // namespace zarvona
