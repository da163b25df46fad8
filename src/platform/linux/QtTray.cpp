#include "platform/linux/QtTray.h"

#include <QMenu>
#include <QSystemTrayIcon>

#include <QCoreApplication>

QtTray::QtTray() = default;

QtTray::~QtTray()
{
    delete m_icon.data();
}

QSystemTrayIcon& QtTray::icon()
{
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(QCoreApplication::instance());
        QObject::connect(m_icon.data(), &QSystemTrayIcon::activated,
                         [this](QSystemTrayIcon::ActivationReason reason) {
                             switch (reason) {
                             case QSystemTrayIcon::DoubleClick:
                                 activated(Activation::DoubleClick);
                                 break;
                             case QSystemTrayIcon::MiddleClick:
                                 activated(Activation::MiddleClick);
                                 break;
                             case QSystemTrayIcon::Trigger:
                                 activated(Activation::Trigger);
                                 break;
                             default:
                                 activated(Activation::Context);
                                 break;
                             }
                         });
    }
    return *m_icon;
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
