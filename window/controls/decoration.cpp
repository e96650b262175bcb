#include "window/controls/decoration.h"

#include "window/graphics/qt_conversions.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace zarvona {
namespace {

// Qt's raster engine hands a fill of more than 95 rows at once to its pool of painting
// threads, which then linger for 30 s. A band of at most 64 device rows is filled on the
// calling thread.
constexpr int DeviceRowsPerBand = 64;
// Qt's hatch patterns repeat every 8 pixels down.
constexpr int HatchPeriod = 8;

} // namespace

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

void Decoration::paintEvent(QPaintEvent* event)
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
        // Each change of the counter repaints a piece of the oval behind it: a copy from the
        // oval drawn once, where a copy lands on whole device pixels, rather than the curve.
        const qreal ratio = devicePixelRatioF();
        const QRect part = event->rect();
        if (ratio != qRound(ratio)) {
            fillOval(painter, brush);
            return;
        }
        painter.drawImage(QRectF(part), oval(brush),
                          QRectF(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio));
    } else if (m_definition.fill == FillStyle::DiagonalCross) {
        const qreal ratio = devicePixelRatioF();
        const QRect part = event->rect();
        if (ratio != qRound(ratio)) { // a copy would not land on whole device pixels
            fillHatch(painter, part, brush);
            return;
        }
        const QImage& rows = hatch(brush);
        for (int top = part.top() - part.top() % HatchPeriod; top <= part.bottom();
             top += HatchPeriod) {
            const QRect piece = part & QRect(0, top, width(), HatchPeriod);
            painter.drawImage(
                QRectF(piece), rows,
                QRectF(QPointF(piece.x(), piece.y() - top) * ratio, QSizeF(piece.size()) * ratio));
        }
    } else {
        painter.fillRect(rect(), brush);
    }
}

void Decoration::fillOval(QPainter& painter, const QBrush& brush) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawEllipse(QRectF(rect()));
}

const QImage& Decoration::oval(const QBrush& brush)
{
    return drawnOnce(m_oval, size(), [&](QPainter& painter) { fillOval(painter, brush); });
}

// Hatch lines run continuously across the window, whatever the shape's position.
void Decoration::fillHatch(QPainter& painter, const QRect& area, const QBrush& brush) const
{
    painter.setBrushOrigin(-pos());
    const int band = std::max(1, static_cast<int>(DeviceRowsPerBand / devicePixelRatioF()));
    for (int top = area.top(); top <= area.bottom(); top += band) {
        const int rows = std::min(band, area.bottom() + 1 - top);
        painter.fillRect(QRect(area.left(), top, area.width(), rows), brush);
    }
}

// One period of the hatch's rows is drawn once, as a direct fill would draw them, into an
// image at the screen's resolution; each paint copies from it row by row.
const QImage& Decoration::hatch(const QBrush& brush)
{
    return drawnOnce(m_hatch, QSize(width(), HatchPeriod), [&](QPainter& painter) {
        fillHatch(painter, QRect(0, 0, width(), HatchPeriod), brush);
    });
}

// The image of the given size at the screen's resolution, drawn the first time it is asked for
// (and again when the resolution changes), transparent where nothing is drawn.
const QImage& Decoration::drawnOnce(QImage& image, QSize size,
                                    const std::function<void(QPainter&)>& draw) const
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    if (image.size() == pixels && image.devicePixelRatio() == ratio)
        return image;
    image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(painter);
    return image;
}

} // namespace zarvona
