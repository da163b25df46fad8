#pragma once

#include "platform/Platform.h"
#include "platform/linux/DesktopSession.h"
#include "platform/linux/GeoClueLocation.h"
#include "platform/linux/LauncherTaskbar.h"
#include "platform/linux/LogindPower.h"
#include "platform/linux/QtFileChooser.h"
#include "platform/linux/QtSounds.h"
#include "platform/linux/QtTray.h"
#include "platform/linux/UnsupportedSystemParameters.h"
#include "platform/linux/V4l2Cameras.h"
#include "platform/linux/XdgRegistry.h"
#include "platform/x11/X11DesktopInfo.h"
#include "platform/x11/X11Displays.h"
#include "platform/x11/X11EventSource.h"
#include "platform/x11/X11Hotkeys.h"
#include "platform/x11/X11Input.h"
#include "platform/x11/X11KeyboardGrab.h"
#include "platform/x11/X11Overlays.h"
#include "platform/x11/X11ScreenCapture.h"
#include "platform/x11/X11Windows.h"

#include <memory>

struct _XDisplay;

// The X11 desktop: monitors and gamma through XRandR, start with the session through XDG
// autostart, windows through the EWMH window manager, input through XInput2, XTest and key
// grabs. It has no magnification service. Everything runs on one connection of its own,
// whose events are read on the GUI thread.
class X11Platform : public Platform
{
public:
    // Connects to $DISPLAY; null when no X server answers.
    static std::unique_ptr<X11Platform> open();
    ~X11Platform() override;

    QString name() const override { return QStringLiteral("x11"); }
    // "Xwayland" where the X server is one (its ramps reach no screen).
    QString detail() const override;
    bool has(Capability capability) const override;
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
    ISession& session() override;
    IKeyboardGrab& keyboardGrab() override { return m_keyboardGrab; }
    ISounds& sounds() override { return m_sounds; }
    IInput& input() override { return m_input; }
    IHotkeys& hotkeys() override { return m_hotkeys; }
    ILocation& location() override { return m_location; }
    ITray& tray() override { return m_tray; }
    ITaskbar& taskbar() override { return m_taskbar; }
    IFileChooser& fileChooser() override { return m_fileChooser; }
    IOverlays& overlays() override { return m_overlays; }

private:
    explicit X11Platform(_XDisplay* display);

    _XDisplay* m_display;
    X11EventSource m_events;
    X11Displays m_displays;
    XdgRegistry m_registry;
    SystemClock m_clock;
    AbsentMagnifier m_magnifier;
    UnsupportedSystemParameters m_systemParameters;
    X11Windows m_windows;
    LogindPower m_power;
    X11DesktopInfo m_desktopInfo;
    X11ScreenCapture m_screenCapture;
    V4l2Cameras m_cameras;
    std::unique_ptr<DesktopSession> m_session; // made when first asked for
    X11KeyboardGrab m_keyboardGrab;
    QtSounds m_sounds;
    X11Hotkeys m_hotkeys;
    X11Input m_input;
    GeoClueLocation m_location;
    QtTray m_tray;
    LauncherTaskbar m_taskbar;
    QtFileChooser m_fileChooser;
    X11Overlays m_overlays;
};
