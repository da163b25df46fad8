#pragma once

#include "platform/wayland/WaylandServices.h"

#include <QHash>

// The other programs' windows as the desktop tells them to Kavo (a wlroots compositor's
// foreign-toplevel list, or the active window a KWin script reports), over the processes of
// /proc. Without such a teller no window is known, as in WaylandWindows.
class ToplevelWindows : public WaylandWindows
{
public:
    struct Toplevel
    {
        QString appId;
        QString title;
        qint64 pid = 0; // 0 where the desktop does not say
        bool activated = false;
        bool fullScreen = false;
        bool minimized = false;
    };

    // The teller that fills this list: started while someone watches the window in front
    // (the list costs nothing otherwise), stopped when the watch ends.
    void setTeller(std::function<void(bool on)> teller) { m_teller = std::move(teller); }
    bool isTold() const { return bool(m_teller); }

    // A teller's account: window `id` as it is now, or gone. Nothing is announced until done().
    void update(quint64 id, const Toplevel& toplevel);
    void remove(quint64 id);
    // A batch of changes is complete: announces another window in front, or the one in front
    // changing its full-screen state.
    void done();

    QVector<WindowRef> topLevelWindows() override;
    quint64 foregroundWindow() override;
    WindowInfo describe(quint64 window) override;
    void watchForeground(std::function<void()> changed) override;

private:
    QHash<quint64, Toplevel> m_toplevels;
    QVector<quint64> m_order; // as the desktop announced them
    std::function<void()> m_changed;
    quint64 m_announcedFront = 0;
    bool m_announcedFullScreen = false;
    std::function<void(bool)> m_teller;
};
