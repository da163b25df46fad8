#pragma once

#include "platform/linux/IdleSource.h"

#include <memory>

class WaylandGlobals;
struct wl_seat;

// Idleness from the compositor: ext-idle-notify where offered (KWin, newer wlroots), else
// KDE's older idle protocol (sway 1.7, KWin). One notification on the first seat exists while
// Kavo watches; the compositor forgets it with the connection.
class WaylandIdle : public IdleSource
{
    Q_OBJECT

public:
    // Null when the compositor offers neither protocol or no seat.
    static std::unique_ptr<WaylandIdle> create(const WaylandGlobals& globals);
    ~WaylandIdle() override;

    QString name() const override;
    bool start(int quietMs) override;
    void stop() override;

private:
    struct Protocol;
    friend struct WaylandIdleListeners;

    WaylandIdle(const WaylandGlobals& globals, wl_seat* seat, std::unique_ptr<Protocol> protocol);

    const WaylandGlobals& m_globals;
    wl_seat* m_seat;
    std::unique_ptr<Protocol> m_protocol;
};

class QDBusConnection;

// The compositor's idle protocol where it offers one, else GNOME's idle monitor on `bus`;
// null when the desktop tells nothing about idleness.
std::unique_ptr<IdleSource> chooseIdleSource(const WaylandGlobals& globals,
                                             const QDBusConnection& bus);
