#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class ToplevelWindows;

// The window in front on KDE Plasma, whose KWin tells ordinary clients no window: a small KWin
// script, loaded through org.kde.kwin.Scripting, calls Kavo over the session bus whenever
// another window is activated, with its resource class, its process and whether it is full
// screen (Plasma 6's workspace.activeWindow / windowActivated, Plasma 5's activeClient /
// clientActivated). The script runs while the window in front is watched; one left behind
// by a crash only calls a name that is gone, and the next watch unloads it first.
class KWinActiveWindow : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kavo.KWinActiveWindow")

public:
    static constexpr const char* kPluginName = "kavo-active-window";

    // Null when no KWin with scripting is on `bus`.
    static std::unique_ptr<KWinActiveWindow> find(const QDBusConnection& bus,
                                                  ToplevelWindows& windows);
    ~KWinActiveWindow() override;

    // Loads and runs the script, or unloads it; false when KWin refused.
    bool setWatching(bool on);

    // The script's text for Kavo at `service` (a unique bus name).
    static QString scriptText(const QString& service);

public slots:
    // Called by the script; an empty class means no window is active.
    Q_SCRIPTABLE void activated(const QString& resourceClass, int pid, bool fullScreen);

private:
    KWinActiveWindow(const QDBusConnection& bus, ToplevelWindows& windows);

    bool load();
    void unload();
    QString scriptPath() const;

    QDBusConnection m_bus;
    ToplevelWindows& m_windows;
    bool m_watching = false;
};
