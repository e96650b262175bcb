#include "window/access/focus_ring.h"

#include "window/controls/control_widget.h"
#include "window/controls/glyph_label.h"
#include "window/controls/number_list.h"
#include "window/graphics/qt_conversions.h"

#include <QApplication>
#include <QPainter>

namespace zarvona {

namespace {

constexpr qreal Gap = 2.5;   // between the button and the ring's centre line
constexpr qreal Width = 2.5; // the dark ring
constexpr qreal Halo = 1.5;  // the white on either side of it
constexpr int Margin = 6;    // room for both round the ring

} // namespace

FocusRing::FocusRing(QWidget* window) : QWidget(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(QStringLiteral("FocusRing"));
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        auto* button = dynamic_cast<ControlWidget*>(now);
        follow(button != nullptr && button->parentWidget() == parentWidget() ? button : nullptr);
    });
}

void FocusRing::follow(QWidget* target)
{
    m_target = target;
    if (target == nullptr) {
        hide();
        return;
    }
    // Round a glyph, the ring is a circle round its disc; round anything else, a frame.
    const auto* glyph = dynamic_cast<const GlyphLabel*>(target);
    m_round = glyph != nullptr;
    const QRectF shape =
        glyph != nullptr ? glyph->outline().translated(target->pos()) : QRectF(target->geometry());
    const QRectF ring = shape.adjusted(-Gap, -Gap, Gap, Gap);
    const QRect area = ring.toAlignedRect().adjusted(-Margin, -Margin, Margin, Margin);
    m_ring = ring.translated(-area.topLeft());
    setGeometry(area);
    raise();
    // The open number list stays in front of everything.
    if (auto* list = parentWidget()->findChild<NumberList*>({}, Qt::FindDirectChildrenOnly))
        stackUnder(list);
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const auto draw = [&](const QPen& pen) {
        painter.setPen(pen);
        if (m_round)
            painter.drawEllipse(m_ring);
        else
            painter.drawRoundedRect(m_ring, 6, 6);
    };
    draw(QPen(Qt::white, Width + 2 * Halo));
    draw(QPen(toQColor(HotForeColor), Width));
}

} // namespace zarvona
