#pragma once

// What a Wayland desktop does not let an ordinary client do: read or change other programs'
// windows, take the keyboard without a layer shell, or capture the screen. Each service
// here says it cannot; none pretends.

#include "platform/IDesktopInfo.h"
#include "platform/IKeyboardGrab.h"
#include "platform/IScreenCapture.h"
#include "platform/IWindows.h"
#include "platform/linux/LinuxProcesses.h"

class WaylandDisplays;

// Processes from /proc; no other program's window is visible to Kavo.
class WaylandWindows : public IWindows
{
public:
    // Asks the compositor through Qt; it may leave the window where it is.
    void bringToFront(QWidget& window) override;
    // A full-screen window on the screen Qt has at `monitor`.
    void coverMonitor(QWidget& window, const QRect& monitor) override;
    bool processes(QVector<ProcessEntry>& entries) override;
    // None: the compositor lists no window to other programs.
    QVector<WindowRef> topLevelWindows() override { return {}; }
    // 0: the compositor tells no one which window is in front.
    quint64 foregroundWindow() override { return 0; }
    WindowInfo describe(quint64) override { return {}; }
    QString processName(qint64 pid) override;
    bool terminateProcess(qint64 pid) override;
    // Never calls `changed`: the window in front is not known.
    void watchForeground(std::function<void()>) override {}

private:
    LinuxProcesses m_processes;
};

// The keyboard follows the compositor's focus; without a layer shell Kavo cannot take it.
class AbsentKeyboardGrab : public IKeyboardGrab
{
public:
    void grab(QWidget&) override {}
    void release() override {}
    bool isGrabbed() const override { return false; }
};

// The compositor gives ordinary clients no picture of the screen: a null image.
class AbsentScreenCapture : public IScreenCapture
{
public:
    QImage grab(const QRect&) override { return {}; }
    QImage grabPrimaryScreen() override { return {}; }
};

// The compositor by its process name, and the monitors with their colour routes.
class WaylandDesktopInfo : public IDesktopInfo
{
public:
    WaylandDesktopInfo(const QString& compositor, const WaylandDisplays& displays)
        : m_compositor(compositor), m_displays(displays)
    {
    }

    DesktopDescription describe() const override;

private:
    QString m_compositor;
    const WaylandDisplays& m_displays;
};
