#include "window/controls/glyph_label.h"

#include "window/graphics/fonts.h"
#include "window/graphics/qt_conversions.h"

#include <QPainter>
#include <QTransform>

namespace zarvona {

namespace {

// An arrow pointing right, centred on the origin, for a disc of radius 1.
QPolygonF unitArrow()
{
    return QPolygonF({{0.62, 0.0},
                      {0.02, -0.52},
                      {0.02, -0.2},
                      {-0.58, -0.2},
                      {-0.58, 0.2},
                      {0.02, 0.2},
                      {0.02, 0.52}});
}

} // namespace

QPainterPath glyphPath(Glyph glyph, double em)
{
    // The symbol font's glyphs fill about 0.8 em, standing a little below the top of the line.
    const double radius = 0.41 * em;
    const QPointF centre(0.05 * em + radius, 0.12 * em + radius);
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    if (glyph == Glyph::Target) {
        for (const double r : {1.0, 0.8, 0.6, 0.4, 0.22})
            path.addEllipse(centre, r * radius, r * radius);
        return path;
    }
    double angle = 0;
    switch (glyph) {
    case Glyph::ArrowRight: angle = 0; break;
    case Glyph::ArrowUp: angle = -90; break;
    case Glyph::ArrowLeft: angle = 180; break;
    default: return path;
    }
    path.addEllipse(centre, radius, radius);
    QTransform toDisc;
    toDisc.translate(centre.x(), centre.y());
    toDisc.rotate(angle);
    toDisc.scale(radius, radius);
    path.addPolygon(toDisc.map(unitArrow()));
    path.closeSubpath();
    return path;
}

GlyphLabel::GlyphLabel(const ControlDefinition& definition, ControlEvents& events, QWidget* parent)
    : ControlWidget(definition, events, parent), m_caption(definition.caption),
      m_colour(definition.foreColor),
      m_path(glyphPath(definition.glyph, pixelSizeOf(definition.font.points)))
{
}

void GlyphLabel::setForeColor(Colour colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void GlyphLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(m_path, toQColor(m_colour));
}

} // namespace zarvona
