// Shapes and lines: painted decoration that is transparent to the pointer, so that movement
// over it reaches whatever lies beneath, normally the window itself.
#pragma once

#include "ui/form_definition.h"
#include "window/controls/control_properties.h"

#include <QImage>

#include <QPainter>
#include <QWidget>
#include <functional>

namespace zarvona {

// It has none of the model's properties but its visibility.
class Decoration final : public QWidget, public ControlProperties {
  public:
    Decoration(const ControlDefinition& definition, QWidget* parent);

    // Where the decoration lies in the client area, in pixels: a line's box is its two end
    // points widened by its thickness.
    static QRect pixelRect(const ControlDefinition& definition);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void fillHatch(QPainter& painter, const QRect& area, const QBrush& brush) const;
    const QImage& hatch(const QBrush& brush);
    void fillOval(QPainter& painter, const QBrush& brush) const;
    // The oval, drawn once at the screen's resolution, on its first paint.
    const QImage& oval(const QBrush& brush);
    const QImage& drawnOnce(QImage& image, QSize size,
                            const std::function<void(QPainter&)>& draw) const;

    const ControlDefinition& m_definition;
    QImage m_hatch; // one period of a cross-hatched shape's rows, made on its first paint
    QImage m_oval;
};

} // namespace zarvona
