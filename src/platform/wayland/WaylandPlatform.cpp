#include "platform/wayland/WaylandPlatform.h"

#include "platform/wayland/DesktopNightLights.h"

#include <QDBusConnection>

WaylandPlatform::WaylandPlatform(const QString& socket)
    : m_connection(WaylandConnection::open(&m_problem, socket)),
      m_compositor(m_connection ? m_connection->compositorName() : QString()),
      m_displays(m_connection.get(), m_problem), m_desktopInfo(m_compositor, m_displays),
      m_session(QDBusConnection::systemBus(), QDBusConnection::sessionBus())
{
    // KWin and Mutter take no ramps from other programs, but have a night light of their own.
    if (!m_displays.hasGammaManager())
        m_nightLight = DesktopNightLights::detect();
}

WaylandPlatform::~WaylandPlatform() = default;

bool WaylandPlatform::has(Capability capability) const
{
    switch (capability) {
    case Capability::Magnifier:
    case Capability::TaskbarButtons:
        return false;
    case Capability::MessageBoxes:
    case Capability::GammaRampsPreferred:
        return true;
    case Capability::LastingGammaRamps:
        // The compositor puts the original tables back when Kavo's connection ends.
        return false;
    }
    return false;
}
