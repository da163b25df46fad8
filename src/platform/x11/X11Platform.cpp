#include "platform/x11/X11Platform.h"

#include <QDBusConnection>

#include <X11/Xlib.h>

std::unique_ptr<X11Platform> X11Platform::open()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    return std::unique_ptr<X11Platform>(new X11Platform(display));
}

X11Platform::X11Platform(_XDisplay* display)
    : m_display(display), m_events(display), m_displays(display, &m_events),
      m_windows(display, m_events), m_desktopInfo(display), m_hotkeys(display, m_events),
      m_input(display, m_events, m_hotkeys), m_overlays(display)
{
}

X11Platform::~X11Platform()
{
    m_hotkeys.releaseAll();
    m_displays.restoreOriginalRamps();
    XCloseDisplay(m_display);
}

// The buses are reached when the session is first followed, after the first colours: the
// connections wait for the buses, and without a session bus libdbus even tries to start one.
ISession& X11Platform::session()
{
    if (!m_session) {
        m_session = std::make_unique<DesktopSession>(QDBusConnection::systemBus(),
                                                     QDBusConnection::sessionBus());
    }
    return *m_session;
}

QString X11Platform::detail() const
{
    return m_displays.isXwayland() ? QStringLiteral("Xwayland") : QString();
}

bool X11Platform::has(Capability capability) const
{
    switch (capability) {
    case Capability::Magnifier:
    case Capability::TaskbarButtons:
        return false;
    case Capability::MessageBoxes:
    case Capability::GammaRampsPreferred:
        return true;
    case Capability::LastingGammaRamps:
        // Xwayland's ramps reach no screen: there is no calibration to keep.
        return !m_displays.isXwayland();
    }
    return false;
}
