#pragma once

#include "platform/Platform.h"
#include "platform/x11/X11Displays.h"
#include "platform/x11/X11FileChooser.h"
#include "platform/x11/X11Power.h"
#include "platform/x11/X11Registry.h"
#include "platform/x11/X11SystemParameters.h"
#include "platform/x11/X11Taskbar.h"
#include "platform/x11/X11Tray.h"
#include "platform/x11/X11Windows.h"

#include <memory>

struct _XDisplay;

// The X11 desktop: monitors and gamma through XRandR, start with the session through XDG
// autostart. It has no magnification service.
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
    ITray& tray() override { return m_tray; }
    ITaskbar& taskbar() override { return m_taskbar; }
    IFileChooser& fileChooser() override { return m_fileChooser; }

private:
    explicit X11Platform(_XDisplay* display);

    _XDisplay* m_display;
    X11Displays m_displays;
    X11Registry m_registry;
    SystemClock m_clock;
    AbsentMagnifier m_magnifier;
    X11SystemParameters m_systemParameters;
    X11Windows m_windows;
    X11Power m_power;
    X11Tray m_tray;
    X11Taskbar m_taskbar;
    X11FileChooser m_fileChooser;
};
