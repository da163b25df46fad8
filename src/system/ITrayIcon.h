#pragma once

#include <QString>
#include <QStringList>

// The notification-area icon as the controller sees it. Every operation does nothing unless
// an implementation says otherwise, so a desktop without a tray needs none.
class ITrayIcon
{
public:
    virtual ~ITrayIcon() = default;

    // Sets every menu text again in the current language.
    virtual void retranslate() {}
    // Chooses the icon for the current state; called on every status refresh.
    virtual void refresh_icon(int) {}
    virtual void rebuild_menu() {}
    // Refills the colour, timer and mouse pauser submenus from their lists.
    virtual void rebuild_pauser_menus() {}
    // A balloon message at the icon.
    virtual void show_message(const QString&, const QString&) {}
    virtual void set_visible(bool) {}
    // Opens the context menu at the icon.
    virtual void popup_menu() {}
    // Shown, in a notification area the user can see.
    virtual bool is_visible() { return false; }
    virtual void set_tooltip(const QString&) {}
    virtual void refresh_selected_type() {}
    // The programs recently in front, offered in the pauser submenus.
    virtual void set_recent_processes(const QStringList&) {}
    virtual void refresh_selected_mode() {}
    // Follows a dark or light desktop theme; no desktop Kavo runs on asks for it.
    virtual void refresh_dark_mode() {}
};
