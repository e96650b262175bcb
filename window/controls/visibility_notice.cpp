#include "window/controls/visibility_notice.h"

#include <QAccessible>
#include <QWidget>
#ifdef ZARVONA_ATSPI_STATES
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#endif

namespace zarvona {

void noteVisibility(QWidget* widget, bool appears)
{
    if (!QAccessible::isActive())
        return;
    // The list is the window's child only while it shows (see accessibility.h).
    if (appears && !widget->isHidden()) {
        QAccessibleEvent added(widget, QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&added);
    }
#ifdef ZARVONA_ATSPI_STATES
    // Work-around for Qt 6.4 with Orca 43: Qt tells the bus only that the widget is showing, or
    // no longer; Orca reads "visible" as well, and would keep what it read before. Told on Qt's
    // own connection to the bus, so that it comes from the object Qt speaks for. It can go once
    // Qt sends "visible" itself (it does from 6.5 on) on every platform the program is built for.
    QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (!bus.isConnected() || iface == nullptr)
        return;
    QDBusMessage changed = QDBusMessage::createSignal(
        QStringLiteral("/org/a11y/atspi/accessible/") +
            QString::number(QAccessible::uniqueId(iface)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    changed << QStringLiteral("visible") << (widget->isHidden() ? 0 : 1) << 0
            << QVariant::fromValue(QDBusVariant(0)) << QVariantMap();
    bus.send(changed);
#else
    Q_UNUSED(widget);
#endif
}

} // namespace zarvona
