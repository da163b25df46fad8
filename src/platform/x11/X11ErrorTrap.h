#pragma once

#include <X11/Xlib.h>

// Catches the X errors of the requests made while it lives. Xlib's default handler ends the
// process on any error, and a monitor unplugged between a look-up and a write gives one: a
// failed gamma request must come back as a failure, not end Kavo before its teardown.
// Traps may nest; Kavo talks to Xlib from its GUI thread only.
class X11ErrorTrap
{
public:
    explicit X11ErrorTrap(Display* display);
    ~X11ErrorTrap();
    X11ErrorTrap(const X11ErrorTrap&) = delete;
    X11ErrorTrap& operator=(const X11ErrorTrap&) = delete;

    // Waits until the server has answered every request so far; true when one of them failed.
    bool failed();

private:
    static int record(Display* display, XErrorEvent* error);

    Display* m_display;
    XErrorHandler m_previous;
    bool m_enclosingFailed = false;
    static bool s_failed;
};
