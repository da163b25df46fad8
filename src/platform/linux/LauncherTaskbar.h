#pragma once

#include "platform/ITaskbar.h"

#include <optional>

// Linux docks and task bars: the progress goes out as the com.canonical.Unity.LauncherEntry
// D-Bus signal (KDE Plasma, Plank and Dash-to-Dock show it) for Kavo's desktop entry, and the
// actions become desktop actions of that entry ("kavo.desktop" in the user's applications
// folder), which docks and start menus offer in the icon's context menu. Only an installed Kavo
// writes the entry: one run from its build folder registers nothing.
class LauncherTaskbar : public ITaskbar
{
public:
    void setTitle(QWidget& window, const QString& title) override;
    void setProgress(const Progress& progress) override;
    void setActions(const QList<Action>& actions) override;

    static QString desktopEntryPath();
    // The menu entry's text for `program` with `actions`; empty when the program path cannot
    // be written into an entry safely.
    static std::optional<QString> desktopEntry(const QString& program,
                                               const QList<Action>& actions);
    // Writes the menu entry to `path` (only when its text changed); false, with a log line,
    // when it is refused or cannot be written.
    static bool writeDesktopEntry(const QString& path, const QString& program,
                                  const QList<Action>& actions);

private:
    bool m_progressSent = false;
    Progress m_progress;
};
