#include "window/decoration.h"

#include "window/qt_form.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace zarvona {
namespace {

// Qt's raster engine hands a fill of more than 95 rows at once to its pool of painting
// threads, which then linger for 30 s. A band of at most 64 device rows is filled on the
// calling thread.
constexpr int DeviceRowsPerBand = 64;

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
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(brush);
        painter.drawEllipse(QRectF(rect()));
    } else if (m_definition.fill == FillStyle::DiagonalCross) {
        const QRect part = event->rect();
        const qreal ratio = devicePixelRatioF();
        painter.drawImage(QRectF(part), hatch(brush),
                          QRectF(QPointF(part.topLeft()) * ratio, QSizeF(part.size()) * ratio));
    } else {
        painter.fillRect(rect(), brush);
    }
}

// The hatch is drawn once, with the same brush and origin a direct fill would use, into an
// image at the screen's resolution; each paint then copies the part it needs.
const QImage& Decoration::hatch(const QBrush& brush)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (m_hatch.size() == pixels && m_hatch.devicePixelRatio() == ratio)
        return m_hatch;
    m_hatch = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    m_hatch.setDevicePixelRatio(ratio);
    m_hatch.fill(Qt::transparent);
    QPainter painter(&m_hatch);
    // Hatch lines run continuously across the window, whatever the shape's position.
    painter.setBrushOrigin(-pos());
    const int rows = std::max(1, static_cast<int>(DeviceRowsPerBand / ratio));
    for (int top = 0; top < height(); top += rows)
        painter.fillRect(QRect(0, top, width(), std::min(rows, height() - top)), brush);
    return m_hatch;
}

} // namespace zarvona
