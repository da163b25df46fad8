#include "platform/linux/QtTray.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QMenu>

namespace {
const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");

// What Qt asks when it makes the icon: a watcher on the session bus that has a host to show
// items in. Then the icon is a StatusNotifierItem, else it goes to an XEmbed tray.
bool statusNotifierHostRegistered()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(kWatcher).value())
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(
        kWatcher, QStringLiteral("/StatusNotifierWatcher"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kWatcher << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusReply<QDBusVariant> registered = bus.call(get);
    return registered.isValid() && registered.value().variant().toBool();
}
} // namespace

QtTray::QtTray() = default;

QtTray::~QtTray()
{
    delete m_icon.data();
}

QSystemTrayIcon& QtTray::icon()
{
    if (!m_icon) {
        m_statusNotifier = statusNotifierHostRegistered();
        m_icon = new QSystemTrayIcon(QCoreApplication::instance());
        QObject::connect(
            m_icon.data(), &QSystemTrayIcon::activated,
            [this](QSystemTrayIcon::ActivationReason reason) { activated(activation(reason)); });
    }
    return *m_icon;
}

ITray::Activation QtTray::activation(QSystemTrayIcon::ActivationReason reason) const
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        return Activation::DoubleClick;
    case QSystemTrayIcon::MiddleClick:
        return Activation::MiddleClick;
    case QSystemTrayIcon::Trigger:
        // A host of StatusNotifierItems sends one activation for the icon's main action (a
        // click on the icon), where an XEmbed tray sends a click and then a double click: the
        // main action is what the double click does.
        return m_statusNotifier ? Activation::DoubleClick : Activation::Trigger;
    default:
        return Activation::Context;
    }
}

bool QtTray::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTray::setIcon(const QIcon& image, const QString&)
{
    icon().setIcon(image);
}

void QtTray::setToolTip(const QString& text)
{
    icon().setToolTip(text);
}

void QtTray::setMenu(QMenu* menu)
{
    icon().setContextMenu(menu);
}

void QtTray::setVisible(bool visible)
{
    icon().setVisible(visible);
}

bool QtTray::isVisible() const
{
    return m_icon && m_icon->isVisible() && isAvailable();
}

void QtTray::showMessage(const QString& title, const QString& body, int milliseconds)
{
    icon().showMessage(title, body, QSystemTrayIcon::NoIcon, milliseconds);
}

void QtTray::popupMenu()
{
    if (QMenu* menu = icon().contextMenu())
        menu->popup(icon().geometry().center());
}
