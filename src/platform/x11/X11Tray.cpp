#include "platform/x11/X11Tray.h"

#include <QMenu>
#include <QSystemTrayIcon>

#include <QCoreApplication>

X11Tray::X11Tray() = default;

X11Tray::~X11Tray()
{
    delete m_icon.data();
}

QSystemTrayIcon& X11Tray::icon()
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

bool X11Tray::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void X11Tray::setIcon(const QIcon& image, const QString&)
{
    icon().setIcon(image);
}

void X11Tray::setToolTip(const QString& text)
{
    icon().setToolTip(text);
}

void X11Tray::setMenu(QMenu* menu)
{
    icon().setContextMenu(menu);
}

void X11Tray::setVisible(bool visible)
{
    icon().setVisible(visible);
}

bool X11Tray::isVisible() const
{
    return m_icon && m_icon->isVisible() && isAvailable();
}

void X11Tray::showMessage(const QString& title, const QString& body, int milliseconds)
{
    icon().showMessage(title, body, QSystemTrayIcon::NoIcon, milliseconds);
}

void X11Tray::popupMenu()
{
    if (QMenu* menu = icon().contextMenu())
        menu->popup(icon().geometry().center());
}
