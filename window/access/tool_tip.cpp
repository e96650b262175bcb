#include "window/access/tool_tip.h"

#include <QApplication>
#include <QHelpEvent>
#include <QScreen>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QToolTip>
#include <QWindow>

#include <algorithm>

namespace zarvona {

namespace {

// How long a tip stays up when nothing closes it.
constexpr int ShownFor = 10000; // ms
// Where a tip stands from the pointer: right of it and below its arrow, or left of it and above
// it where the screen ends first.
const QPoint Below(2, 16);
const QPoint Above(-4, -4);

// A tooltip drawn as the style draws Qt's own: its panel, palette, font and margins.
class TipLabel final : public QLabel {
  public:
    TipLabel()
        : QLabel(nullptr, Qt::ToolTip | Qt::BypassGraphicsProxyWidget |
                              Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus)
    {
        // Assistive technology knows a label of this name as a tooltip.
        setObjectName(QStringLiteral("qtooltip_label"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setForegroundRole(QPalette::ToolTipText);
        setBackgroundRole(QPalette::ToolTipBase);
        setPalette(QToolTip::palette());
        setFont(QToolTip::font());
        setMargin(1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
        setFrameStyle(QFrame::NoFrame);
        setIndent(1);
        setTextFormat(Qt::PlainText);
        setWindowOpacity(style()->styleHint(QStyle::SH_ToolTipLabel_Opacity, nullptr, this) /
                         255.0);
    }

  protected:
    void paintEvent(QPaintEvent* event) override
    {
        QStylePainter painter(this);
        QStyleOptionFrame panel;
        panel.initFrom(this);
        painter.drawPrimitive(QStyle::PE_PanelTipLabel, panel);
        painter.end();
        QLabel::paintEvent(event);
    }
};

QPoint placed(QPoint pointer, QSize size, const QRect& screen)
{
    QPoint at = pointer + Below;
    if (at.x() + size.width() > screen.right() + 1)
        at.setX(pointer.x() + Above.x() - size.width());
    if (at.y() + size.height() > screen.bottom() + 1)
        at.setY(pointer.y() + Above.y() - size.height());
    const QPoint last = screen.bottomRight() + QPoint(1, 1) - QPoint(size.width(), size.height());
    return {std::clamp(at.x(), screen.left(), std::max(screen.left(), last.x())),
            std::clamp(at.y(), screen.top(), std::max(screen.top(), last.y()))};
}

} // namespace

ToolTips::ToolTips(QWidget& window) : QObject(&window), m_window(window)
{
    for (QWidget* widget : window.findChildren<QWidget*>())
        widget->installEventFilter(this);
    m_expiry.setSingleShot(true);
    m_expiry.setInterval(ShownFor);
    connect(&m_expiry, &QTimer::timeout, this, [this] { hide(); });
}

ToolTips::~ToolTips() { hide(); }

void ToolTips::show(QWidget& widget, QPoint globalPosition)
{
    if (!m_tip)
        m_tip = std::make_unique<TipLabel>(); // not before a tip is first wanted
    // Asked again for the tip already showing (the pointer moved on over the same widget), the
    // tip stays where it is rather than following the pointer.
    if (m_tip->isVisible() && m_widget == &widget && m_tip->text() == widget.toolTip()) {
        m_expiry.start();
        return;
    }
    m_widget = &widget;
    m_tip->setText(widget.toolTip());
    m_tip->adjustSize();
    const QScreen* screen = QGuiApplication::screenAt(globalPosition);
    if (screen == nullptr)
        screen = m_window.screen();
    m_tip->move(placed(globalPosition, m_tip->size(), screen->geometry()));
    if (!m_tip->isVisible()) {
        qApp->installEventFilter(this);
        m_tip->show();
        // Work-around for Qt 6.4 on X11: it leaves the input shape of a window it has just made
        // whole, flag or not; a change of the flag on the window that exists empties it. It can
        // go once the tooltip, shown, lets a click through without it (xwininfo -shape counts no
        // input rectangle on it).
        QWindow* tip = m_tip->windowHandle();
        tip->setFlag(Qt::WindowTransparentForInput, false);
        tip->setFlag(Qt::WindowTransparentForInput, true);
    }
    m_expiry.start();
}

void ToolTips::hide()
{
    if (!m_tip || !m_tip->isVisible())
        return;
    qApp->removeEventFilter(this);
    m_expiry.stop();
    m_tip->hide();
    m_widget = nullptr;
}

bool ToolTips::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip: {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || widget->toolTip().isEmpty() || widget->window() != &m_window)
            return false;
        show(*widget, static_cast<QHelpEvent*>(event)->globalPos());
        return true;
    }
    case QEvent::Leave:
    case QEvent::Hide:
        if (watched == m_widget || watched == &m_window)
            hide();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::WindowDeactivate: hide(); return false;
    default: return false;
    }
}

} // namespace zarvona
