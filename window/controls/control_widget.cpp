#include "window/controls/control_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace zarvona {

ControlWidget::ControlWidget(const ControlDefinition& definition, ControlEvents& events,
                             QWidget* parent)
    : QWidget(parent), m_definition(definition), m_events(events)
{
    setMouseTracking(true);
}

void ControlWidget::activate() { m_events.activate(control()); }

void ControlWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    event->accept();
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !m_pressed)
        return;
    m_pressed = false;
    if (rect().contains(event->position().toPoint()))
        m_events.fire(control(), Event::Click);
}

void ControlWidget::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    m_events.fire(control(), Event::MouseMove);
}

void ControlWidget::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool press = (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
                       (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!press) {
        event->ignore();
        return;
    }
    event->accept();
    activate();
}

} // namespace zarvona
