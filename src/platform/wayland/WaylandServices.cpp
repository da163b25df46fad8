#include "platform/wayland/WaylandServices.h"

#include "platform/wayland/WaylandDisplays.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

void WaylandWindows::bringToFront(QWidget& window)
{
    window.raise();
    window.activateWindow();
}

void WaylandWindows::coverMonitor(QWidget& window, const QRect& monitor)
{
    window.setMinimumSize(0, 0);
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window.createWinId();
    if (QScreen* screen = QGuiApplication::screenAt(monitor.center()))
        window.windowHandle()->setScreen(screen);
    window.showFullScreen();
    window.raise();
}

bool WaylandWindows::processes(QVector<ProcessEntry>& entries)
{
    return m_processes.snapshot(entries);
}

QString WaylandWindows::processName(qint64 pid)
{
    return m_processes.name(pid);
}

bool WaylandWindows::terminateProcess(qint64 pid)
{
    return m_processes.terminate(pid);
}

DesktopDescription WaylandDesktopInfo::describe() const
{
    DesktopDescription description;
    description.kind = QStringLiteral("Wayland");
    description.server = m_compositor;
    description.compositor = m_compositor;
    for (int i = 0; i < m_displays.monitorCount(); ++i) {
        MonitorGammaInfo monitor;
        monitor.name = m_displays.monitorIdentity(i).output;
        monitor.gamma_size = m_displays.gammaSize(i);
        description.monitors.append(monitor);
    }
    return description;
}
