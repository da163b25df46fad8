#include "platform/wayland/ToplevelWindows.h"

void ToplevelWindows::update(quint64 id, const Toplevel& toplevel)
{
    if (!m_toplevels.contains(id))
        m_order.append(id);
    m_toplevels.insert(id, toplevel);
}

void ToplevelWindows::remove(quint64 id)
{
    m_toplevels.remove(id);
    m_order.removeAll(id);
}

void ToplevelWindows::done()
{
    const quint64 front = foregroundWindow();
    const bool fullScreen = front != 0 && m_toplevels.value(front).fullScreen;
    if (front == m_announcedFront && fullScreen == m_announcedFullScreen)
        return;
    m_announcedFront = front;
    m_announcedFullScreen = fullScreen;
    if (m_changed)
        m_changed();
}

QVector<WindowRef> ToplevelWindows::topLevelWindows()
{
    QVector<WindowRef> windows;
    for (quint64 id : qAsConst(m_order))
        windows.append({id, m_toplevels.value(id).pid});
    return windows;
}

quint64 ToplevelWindows::foregroundWindow()
{
    for (quint64 id : qAsConst(m_order))
        if (m_toplevels.value(id).activated)
            return id;
    return 0;
}

WindowInfo ToplevelWindows::describe(quint64 window)
{
    WindowInfo info;
    const auto it = m_toplevels.constFind(window);
    if (window == 0 || it == m_toplevels.constEnd())
        return info;
    info.exists = true;
    info.pid = it->pid;
    info.appId = it->appId;
    info.shown = true;
    info.minimized = it->minimized;
    info.fullScreenState = it->fullScreen;
    return info;
}

void ToplevelWindows::watchForeground(std::function<void()> changed)
{
    const bool was = bool(m_changed);
    m_changed = std::move(changed);
    if (was == bool(m_changed) || !m_teller)
        return;
    if (!m_changed) {
        m_toplevels.clear();
        m_order.clear();
        m_announcedFront = 0;
        m_announcedFullScreen = false;
    }
    m_teller(bool(m_changed));
}
