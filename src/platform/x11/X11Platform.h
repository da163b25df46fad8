#pragma once

#include "platform/Platform.h"
#include "platform/x11/X11Displays.h"
#include "platform/x11/X11EventSource.h"
#include "platform/x11/X11Hotkeys.h"
#include "platform/x11/X11Input.h"
#include "platform/x11/X11Overlays.h"
#include "platform/x11/X11Power.h"
#include "platform/x11/X11Registry.h"
#include "platform/x11/X11ScreenCapture.h"
#include "platform/x11/X11SystemParameters.h"
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
    bool has(Capability capability) const override;
    IDisplays& displays() override { return m_displays; }
    IRegistry& registry() override { return m_registry; }
    IClock& clock() override { return m_clock; }
    IMagnifier& magnifier() override { return m_magnifier; }
    ISystemParameters& systemParameters() override { return m_systemParameters; }
    IWindows& windows() override { return m_windows; }
    IPower& power() override { return m_power; }
    IInput& input() override { return m_input; }
    IHotkeys& hotkeys() override { return m_hotkeys; }
    IScreenCapture& screenCapture() override { return m_screenCapture; }
    IOverlays& overlays() override { return m_overlays; }

private:
    explicit X11Platform(_XDisplay* display);

    _XDisplay* m_display;
    X11EventSource m_events;
    X11Displays m_displays;
    X11Registry m_registry;
    SystemClock m_clock;
    AbsentMagnifier m_magnifier;
    X11SystemParameters m_systemParameters;
    X11Windows m_windows;
    X11Power m_power;
    X11Hotkeys m_hotkeys;
    X11Input m_input;
    X11ScreenCapture m_screenCapture;
    X11Overlays m_overlays;
};
