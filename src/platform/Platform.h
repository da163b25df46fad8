#pragma once

#include "platform/Capability.h"
#include "platform/ICameras.h"
#include "platform/IClock.h"
#include "platform/IDesktopInfo.h"
#include "platform/IDisplays.h"
#include "platform/IFileChooser.h"
#include "platform/IHotkeys.h"
#include "platform/IInput.h"
#include "platform/IKeyboardGrab.h"
#include "platform/ILocation.h"
#include "platform/IMagnifier.h"
#include "platform/INightLight.h"
#include "platform/IOverlays.h"
#include "platform/IPower.h"
#include "platform/IRegistry.h"
#include "platform/IScreenCapture.h"
#include "platform/ISession.h"
#include "platform/ISounds.h"
#include "platform/ISystemParameters.h"
#include "platform/ITaskbar.h"
#include "platform/ITray.h"
#include "platform/IWindows.h"

#include <QString>

#include <memory>

// What the environment says about the desktop Kavo starts on.
struct SessionEnvironment
{
    QString requested;      // KAVO_PLATFORM: "sim", "x11" or "wayland"; empty to choose
    QString qtPlatform;     // Qt's platform plugin ("xcb", "wayland", "offscreen", ...)
    QString waylandDisplay; // WAYLAND_DISPLAY
    QString x11Display;     // DISPLAY
    QString sessionType;    // XDG_SESSION_TYPE

    // This process's environment, with the platform Qt runs on.
    static SessionEnvironment current();
};

// The backend an environment selects, and what Kavo says about the choice.
struct BackendChoice
{
    QString backend; // "sim", "x11" or "wayland"; empty when there is no desktop to run on
    QString message; // a request that was not understood, or why there is no desktop
};

// The desktop Kavo runs on: every operating-system service is reached through here.
// One backend is chosen at start (sim, x11 or wayland); tests install their own simulated
// desktop.
class Platform
{
public:
    virtual ~Platform() = default;

    // Backend name: "sim", "x11" or "wayland".
    virtual QString name() const = 0;

    // What the log says after the backend's name: the compositor, or "Xwayland"; may be empty.
    virtual QString detail() const { return {}; }

    // Whether the desktop offers `capability`.
    virtual bool has(Capability capability) const = 0;

    virtual IDisplays& displays() = 0;
    virtual IRegistry& registry() = 0;
    virtual IClock& clock() = 0;

    // The magnification service; where the desktop has none, every function is missing.
    virtual IMagnifier& magnifier() = 0;
    virtual ISystemParameters& systemParameters() = 0;
    virtual IWindows& windows() = 0;
    virtual IPower& power() = 0;
    virtual IDesktopInfo& desktopInfo() = 0;
    virtual IScreenCapture& screenCapture() = 0;
    virtual ICameras& cameras() = 0;
    virtual ISession& session() = 0;
    virtual IKeyboardGrab& keyboardGrab() = 0;
    virtual ISounds& sounds() = 0;
    virtual IInput& input() = 0;
    virtual IHotkeys& hotkeys() = 0;
    // Where the computer is, as the desktop's location service knows it.
    virtual ILocation& location() = 0;
    virtual ITray& tray() = 0;
    virtual ITaskbar& taskbar() = 0;
    virtual IFileChooser& fileChooser() = 0;
    virtual IOverlays& overlays() = 0;
    // The desktop's own night light, where colours go through it instead of gamma ramps;
    // null where the desktop has none or takes ramps.
    virtual INightLight* nightLight() { return nullptr; }

    // The installed platform; the first call without one installs the backend that the
    // environment selects.
    static Platform& current();

    // Makes `platform` the current one (replacing and destroying any earlier one).
    static void install(std::unique_ptr<Platform> platform);

    // Destroys the current platform, if any.
    static void uninstall();

    // Creates the backend that the environment selects and logs the choice with each
    // monitor's colour route.
    static std::unique_ptr<Platform> createFromEnvironment();

    // The backend for `environment`, from the session rather than from how Qt draws: the one
    // KAVO_PLATFORM asks for; "sim" under Qt's offscreen and minimal platforms; "wayland" in
    // a Wayland session (Qt may draw through Xwayland); "x11" in an X11 session. An unknown
    // request is reported in the message and ignored.
    static BackendChoice selectBackend(const SessionEnvironment& environment);

    // How colours reach monitor `index`: the desktop's night light where it carries them,
    // else the displays' own route.
    ColorRoute route(int index);
    // One line naming the backend and the colour routes, for the log ("Platform: wayland
    // (sway); colours: wlr-gamma-control on HEADLESS-1").
    QString description();
    // Why no monitor can change colour, or empty when at least one can.
    QString noColorRouteReason();
};
