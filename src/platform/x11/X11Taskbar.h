#pragma once

#include "platform/ITaskbar.h"

// Linux docks and task bars: the progress goes out as the com.canonical.Unity.LauncherEntry
// D-Bus signal (KDE Plasma, Plank and Dash-to-Dock show it) for Kavo's desktop entry, and the
// actions become desktop actions of that entry ("kavo.desktop" in the user's applications
// folder), which docks and start menus offer in the icon's context menu.
class X11Taskbar : public ITaskbar
{
public:
    void setTitle(QWidget& window, const QString& title) override;
    void setProgress(const Progress& progress) override;
    void setActions(const QList<Action>& actions) override;

    static QString desktopEntryPath();
    // The desktop entry's text for `program` with `actions`.
    static QString desktopEntry(const QString& program, const QString& icon,
                                const QList<Action>& actions);
    // `argument` quoted for an Exec line.
    static QString quotedArgument(const QString& argument);

private:
    static QString iconPath();
    bool m_progressSent = false;
    Progress m_progress;
};
