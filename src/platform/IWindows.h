#pragma once

#include <QRect>
#include <QString>
#include <QVector>

#include <functional>

class QWidget;

// A running process as a snapshot lists it.
struct ProcessEntry
{
    qint64 pid = 0;
    // The executable's name as the user would write it ("vlc", "text-editor").
    QString name;
    // Whether the process belongs to the user running Kavo.
    bool own = false;
};

// A top-level window of some program, as an enumeration lists it.
struct WindowRef
{
    quint64 id = 0;
    qint64 pid = 0; // 0 when the window does not say which process it belongs to
};

// What a top-level window looks like now.
struct WindowInfo
{
    bool exists = false;
    qint64 pid = 0;
    // What the desktop calls the program (a Wayland app_id, KWin's resource class); empty
    // where the desktop names none. Pausers match it where no process is known.
    QString appId;
    // Neither a dialog of another window nor a window the desktop shell draws itself.
    bool ownerless = true;
    // Shown on the desktop (possibly minimised), not withdrawn.
    bool shown = false;
    bool minimized = false;
    // The window asked the window manager for the full-screen state.
    bool fullScreenState = false;
    // The desktop's own background window.
    bool desktop = false;
    QRect geometry;
};

// The desktop's windows and processes: stacking, the window in front, which programs run.
class IWindows
{
public:
    virtual ~IWindows() = default;

    // Puts the top-level `window` above every other window and gives it the input focus,
    // also where the desktop would otherwise keep a background program from doing so.
    virtual void bringToFront(QWidget& window) = 0;

    // Shows the top-level `window` over the whole of `monitor` (desktop coordinates), above
    // the other windows: a full-screen window on that monitor.
    virtual void coverMonitor(QWidget& window, const QRect& monitor) = 0;
    // Every running process; false when the snapshot cannot be taken.
    virtual bool processes(QVector<ProcessEntry>& entries) = 0;

    // The top-level windows of all programs, in the desktop's enumeration order.
    virtual QVector<WindowRef> topLevelWindows() = 0;

    // The window that has the user's attention (0 when there is none).
    virtual quint64 foregroundWindow() = 0;

    // What `window` looks like now; `exists` is false when it has gone.
    virtual WindowInfo describe(quint64 window) = 0;

    // The name of process `pid` as a snapshot would list it; empty when it cannot be read.
    virtual QString processName(qint64 pid) = 0;

    // Asks process `pid` to end (SIGTERM). Refused (false) for processes of other users and
    // for Kavo itself.
    virtual bool terminateProcess(qint64 pid) = 0;

    // Calls `changed` on the GUI thread whenever another window comes to the front or the
    // window in front changes its full-screen state. An empty function stops the calls.
    virtual void watchForeground(std::function<void()> changed) = 0;
};
