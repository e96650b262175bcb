#include "window/decoration.h"

#include "window/qt_form.h"

#include <QPainter>

namespace zarvona {

Decoration::Decoration(const ControlDefinition& definition, QWidget* parent)
    : QWidget(parent), m_definition(definition)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(pixelRect(definition));
}

QRect Decoration::pixelRect(const ControlDefinition& d)
{
    const QRect box = toQRect(inPixels(d.rect));
    if (d.kind != ControlKind::Line)
        return box;
    // A pen of width w centred on the line covers w / 2 pixels on each side of it.
    const int half = d.lineWidthPixels / 2;
    return box.adjusted(-half, -half, d.lineWidthPixels - half, d.lineWidthPixels - half);
}

void Decoration::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor colour = toQColor(m_definition.foreColor);
    if (m_definition.kind == ControlKind::Line) {
        painter.fillRect(rect(), colour);
        return;
    }
    const QBrush brush = m_definition.fill == FillStyle::DiagonalCross
                             ? QBrush(colour, Qt::DiagCrossPattern)
                             : QBrush(colour);
    if (m_definition.shape == ShapeKind::Oval) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(brush);
        painter.drawEllipse(QRectF(rect()));
    } else {
        // Hatch lines run continuously across the window, whatever the shape's position.
        painter.setBrushOrigin(-pos());
        painter.fillRect(rect(), brush);
    }
}

} // namespace zarvona
