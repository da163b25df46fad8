#pragma once

#include "platform/x11/X11Displays.h"

#include <memory>

struct _XDisplay;

// A bare connection to the X server for Kavo's helpers (the guardian, kavoctl): the monitors
// and their gamma ramps, nothing else. Unlike the platform it leaves the ramps as they are
// when it closes, so what a helper wrote stays on the screen.
class X11Connection
{
public:
    // Connects to $DISPLAY; null when no X server answers.
    static std::unique_ptr<X11Connection> open();
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    IDisplays& displays() { return m_displays; }

private:
    explicit X11Connection(_XDisplay* display);

    _XDisplay* m_display;
    X11Displays m_displays;
};
