#pragma once

#include "platform/ITray.h"

#include <QPointer>
#include <QSystemTrayIcon>

// Qt's system tray icon: a StatusNotifierItem where the desktop hosts them over D-Bus,
// otherwise an icon in an XEmbed tray. Created at first use, once the application exists.
class QtTray : public ITray
{
public:
    QtTray();
    ~QtTray() override;

    bool isAvailable() const override;
    void setIcon(const QIcon& icon, const QString& name) override;
    void setToolTip(const QString& text) override;
    void setMenu(QMenu* menu) override;
    void setVisible(bool visible) override;
    bool isVisible() const override;
    void showMessage(const QString& title, const QString& body, int milliseconds) override;
    void popupMenu() override;

private:
    QSystemTrayIcon& icon();
    Activation activation(QSystemTrayIcon::ActivationReason reason) const;

    // A child of the application, which may end before the platform does.
    QPointer<QSystemTrayIcon> m_icon;
    // Qt shows the icon as a StatusNotifierItem rather than in an XEmbed tray.
    bool m_statusNotifier = false;
};
