#pragma once

#include "platform/IWindows.h"
#include "platform/linux/LinuxProcesses.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

struct _XDisplay;
union _XEvent;
class X11EventSource;

// Windows and processes of an X11 desktop with an EWMH window manager: the window in front
// from _NET_ACTIVE_WINDOW (followed through PropertyNotify on the root window), programs'
// windows from _NET_CLIENT_LIST with their _NET_WM_PID (or the pid the X server knows for a
// window without one), full screen from
// _NET_WM_STATE_FULLSCREEN, processes from /proc. Raises Kavo's windows the way pagers do: a
// _NET_ACTIVE_WINDOW request, which focus-stealing prevention lets through, then a raise.
class X11Windows : public QObject, public IWindows
{
    Q_OBJECT

public:
    X11Windows(_XDisplay* display, X11EventSource& events);
    ~X11Windows() override;

    void bringToFront(QWidget& window) override;
    // A full-screen window that the window manager keeps on the monitor.
    void coverMonitor(QWidget& window, const QRect& monitor) override;
    bool processes(QVector<ProcessEntry>& entries) override;
    QVector<WindowRef> topLevelWindows() override;
    quint64 foregroundWindow() override;
    WindowInfo describe(quint64 window) override;
    QString processName(qint64 pid) override;
    bool terminateProcess(qint64 pid) override;
    void watchForeground(std::function<void()> changed) override;

private:
    struct Atoms;
    const Atoms& atoms();
    bool handle(_XEvent& event);
    void followActiveWindow();
    void reportSoon();
    unsigned long queryForegroundWindow(bool& fromProperty);
    WindowInfo readDescription(unsigned long window);
    qint64 windowPid(unsigned long window);
    qint64 clientPid(unsigned long window);
    bool hasClientIds();

    _XDisplay* m_display;
    X11EventSource& m_events;
    LinuxProcesses m_processes;
    std::function<void()> m_foregroundChanged;
    std::unique_ptr<Atoms> m_atoms;
    unsigned long m_watchedWindow = 0;
    // While the window manager announces the window in front, the watched window is it, and
    // its description holds until one of its events or another activation: the update tick
    // then asks the server nothing about it.
    bool m_frontAnnounced = false;
    int m_activeSupported = -1; // whether the window manager keeps _NET_ACTIVE_WINDOW; -1: unknown
    std::unique_ptr<WindowInfo> m_frontDescription;
    bool m_watching = false;
    bool m_reportPending = false;
    std::optional<bool> m_clientIds; // whether the server tells clients' pids
    QTimer m_settle;                 // restarted by each change of the window in front
};
