#include "window/form/window_scale.h"

#include <QApplication>
#include <QBackingStore>
#include <QScreen>
#include <QWidget>
#include <QWindow>
// Work-around for Qt 6.4 (still so in 6.8): Qt has no public call to draw one window at a ratio
// of its own, so the scale sets the factor of the window's screen through Qt's private scaling
// interface, which ties the package to the exact Qt release. It can go once Qt offers a public
// per-window scale.
#include <private/qhighdpiscaling_p.h>
#include <qpa/qplatformwindow.h>

#include <algorithm>

namespace zarvona {
namespace {

// The scale the user asked Qt for for every screen; it multiplies each screen's own.
qreal sharedFactor()
{
    bool ok = false;
    const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && factor > 0 ? factor : 1;
}

// Where the window is with its frame, in device pixels, as the platform has it.
QRect deviceOuter(const QPlatformWindow& window)
{
    return window.geometry().marginsAdded(window.frameMargins());
}

} // namespace

WindowScale::~WindowScale()
{
    if (m_screen != nullptr && m_step != 0)
        QHighDpiScaling::setScreenFactor(m_screen, m_baseFactor);
}

QSize WindowScale::deviceSizeAt(std::size_t step) const
{
    const QMargins frame = m_window.windowHandle()->handle()->frameMargins();
    const QSizeF client = QSizeF(m_window.size()) * sharedFactor() * factorAt(step);
    return client.toSize().grownBy(frame);
}

bool WindowScale::change(ScaleChange change)
{
    const std::size_t last = StepsPercent.size() - 1;
    const std::size_t step = change == ScaleChange::Natural  ? 0
                             : change == ScaleChange::Larger ? std::min(m_step + 1, last)
                             : m_step == 0                   ? 0
                                                             : m_step - 1;
    QWindow* handle = m_window.windowHandle();
    if (step == m_step || handle == nullptr || handle->handle() == nullptr ||
        handle->screen() == nullptr)
        return false;
    if (handle->screen() != m_screen) {
        // A window moved to another screen is drawn there at that screen's own ratio.
        if (m_screen != nullptr && m_step != 0)
            QHighDpiScaling::setScreenFactor(m_screen, m_baseFactor);
        m_screen = handle->screen();
        m_baseFactor = QHighDpiScaling::factor(m_screen.data()) / sharedFactor();
        m_step = 0;
        if (step == 0)
            return false;
    }
    const QRect available =
        QHighDpi::toNativePixels(m_screen->availableGeometry(), m_screen.data());
    const QSize size = deviceSizeAt(step);
    if (size.width() > available.width() || size.height() > available.height()) {
        QApplication::beep();
        return false;
    }
    // The centre the steps keep is where the window was when the first of them was taken, until
    // the window is moved: rounding each step's position would otherwise walk it away.
    const QRectF outer = deviceOuter(*handle->handle());
    if ((outer.center() - m_placed.center()).manhattanLength() > 2)
        m_centre = outer.center();
    apply(step, m_centre);
    return true;
}

void WindowScale::apply(std::size_t step, QPointF deviceCentre)
{
    QWindow& handle = *m_window.windowHandle();
    const QRect available =
        QHighDpi::toNativePixels(m_screen->availableGeometry(), m_screen.data());
    const QMargins frame = handle.handle()->frameMargins();
    const QSize size = deviceSizeAt(step);
    QRect outer(QPoint(qRound(deviceCentre.x() - size.width() / 2.0),
                       qRound(deviceCentre.y() - size.height() / 2.0)),
                size);
    outer.moveLeft(
        std::clamp(outer.left(), available.left(), available.right() + 1 - outer.width()));
    outer.moveTop(
        std::clamp(outer.top(), available.top(), available.bottom() + 1 - outer.height()));

    QHighDpiScaling::setScreenFactor(m_screen, factorAt(step));
    m_step = step;
    // The window manager is told the fixed size again, now in the new device pixels.
    // (Platforms without a window manager have no such hints.)
    const QString platformName = QGuiApplication::platformName();
    if (QPlatformWindow* platform = handle.handle();
        platform != nullptr && (platformName == u"xcb" || platformName.startsWith(u"wayland")))
        platform->propagateSizeHints();
    handle.setGeometry(QHighDpi::fromNativePixels(outer.marginsRemoved(frame), m_screen.data()));
    m_placed = QRectF(outer);
    // Work-around for Qt 6.4: the window keeps its size in its own pixels, so Qt keeps the buffer
    // it paints into at the old ratio and draws the larger window into the old one's corner. The
    // buffer is sized again, now at the new ratio. It can go once Qt resizes a window's buffer
    // when its screen's ratio changes (it tells windows of a new ratio from 6.6 on).
    if (QBackingStore* store = m_window.backingStore())
        store->resize(m_window.size());
    m_window.update();
}

} // namespace zarvona
