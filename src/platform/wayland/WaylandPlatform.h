#pragma once

#include "platform/Platform.h"
#include "platform/linux/DesktopSession.h"
#include "platform/linux/GeoClueLocation.h"
#include "platform/linux/IdleInput.h"
#include "platform/linux/LauncherTaskbar.h"
#include "platform/linux/LogindPower.h"
#include "platform/linux/PortalHotkeys.h"
#include "platform/linux/QtFileChooser.h"
#include "platform/linux/QtSounds.h"
#include "platform/linux/QtTray.h"
#include "platform/linux/UnsupportedSystemParameters.h"
#include "platform/linux/V4l2Cameras.h"
#include "platform/linux/XdgRegistry.h"
#include "platform/wayland/KWinActiveWindow.h"
#include "platform/wayland/LayerShell.h"
#include "platform/wayland/ToplevelWindows.h"
#include "platform/wayland/WaylandAbilities.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandDisplays.h"
#include "platform/wayland/WaylandGlobals.h"
#include "platform/wayland/WaylandOverlays.h"
#include "platform/wayland/WaylandServices.h"
#include "platform/wayland/WlrToplevels.h"

#include <memory>

// The Wayland desktop: monitors and colours through a connection of Kavo's own to the
// compositor (wlr-gamma-control where it is offered; else the desktop's own night light, on
// KDE Plasma and GNOME), the session, location, cameras, sounds and autostart as on every
// Linux desktop. Where the compositor has a layer shell, overlays lie on its overlay layer and
// strict breaks take the keyboard through it. What the compositor keeps from ordinary clients
// (other windows, desktop-wide input and keys, screen capture; without a layer shell, windows
// over everything and the keyboard) is absent and says so. Without a compositor to reach there are
// no monitors, and the colour route of each says why.
class WaylandPlatform : public Platform
{
public:
    // Connects to $WAYLAND_DISPLAY (or `socket`); the platform exists even when that fails.
    explicit WaylandPlatform(const QString& socket = QString());
    ~WaylandPlatform() override;

    QString name() const override { return QStringLiteral("wayland"); }
    // The compositor's process name, or why there is no compositor to talk to.
    QString detail() const override { return m_connection ? m_compositor : m_problem; }
    bool has(Capability capability) const override;
    QString pageNote(const QString& page) const override;
    // What this desktop lets Kavo do beyond colours, page by page.
    const WaylandAbilities& abilities() const { return m_abilities; }

    IDisplays& displays() override { return m_displays; }
    IRegistry& registry() override { return m_registry; }
    IClock& clock() override { return m_clock; }
    IMagnifier& magnifier() override { return m_magnifier; }
    ISystemParameters& systemParameters() override { return m_systemParameters; }
    IWindows& windows() override { return m_windows; }
    IPower& power() override { return m_power; }
    IDesktopInfo& desktopInfo() override { return m_desktopInfo; }
    IScreenCapture& screenCapture() override { return m_screenCapture; }
    ICameras& cameras() override { return m_cameras; }
    ISession& session() override { return m_session; }
    IKeyboardGrab& keyboardGrab() override { return *m_keyboardGrab; }
    ISounds& sounds() override { return m_sounds; }
    IInput& input() override { return m_input; }
    IHotkeys& hotkeys() override { return m_hotkeys; }
    ILocation& location() override { return m_location; }
    ITray& tray() override { return m_tray; }
    ITaskbar& taskbar() override { return m_taskbar; }
    IFileChooser& fileChooser() override { return m_fileChooser; }
    IOverlays& overlays() override { return m_overlays; }
    // KWin's night colour or GNOME's night light, where the compositor offers no gamma control.
    INightLight* nightLight() override { return m_nightLight.get(); }

private:
    // Finds what tells Kavo the other programs' windows on this desktop.
    void tellWindows();
    // What the compositor and the session bus offer, for the pages.
    WaylandOffer offer() const;

    QString m_problem;
    std::unique_ptr<WaylandConnection> m_connection;
    QString m_compositor;
    WaylandGlobals m_globals;
    WaylandDisplays m_displays;
    XdgRegistry m_registry;
    SystemClock m_clock;
    AbsentMagnifier m_magnifier;
    UnsupportedSystemParameters m_systemParameters;
    ToplevelWindows m_windows;
    LogindPower m_power;
    WaylandDesktopInfo m_desktopInfo;
    AbsentScreenCapture m_screenCapture;
    V4l2Cameras m_cameras;
    DesktopSession m_session;
    std::unique_ptr<LayerShell> m_layerShell;
    std::unique_ptr<IKeyboardGrab> m_keyboardGrab;
    QtSounds m_sounds;
    PortalHotkeys m_hotkeys;
    IdleInput m_input;
    GeoClueLocation m_location;
    QtTray m_tray;
    LauncherTaskbar m_taskbar;
    QtFileChooser m_fileChooser;
    WaylandOverlays m_overlays{m_layerShell.get()};
    std::unique_ptr<WlrToplevels> m_wlrToplevels;
    std::unique_ptr<KWinActiveWindow> m_kwinActiveWindow;
    WaylandAbilities m_abilities{WaylandOffer()};
    std::unique_ptr<INightLight> m_nightLight;
};
