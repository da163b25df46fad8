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

// Requests Kavo sends without waiting for the server's verdict (a gamma ramp on each update
// tick, say). An error about one of them, read later with whatever the server sends next, sets
// its flag instead of ending Kavo; any other error outside a trap goes where it went before.
// Expect a request only outside a trap: a trap ending puts back the handler it found.
namespace X11LateErrors {
// The request numbered `request` (NextRequest() before it is made) may fail: `*failed` is
// set then. `failed` must stay valid until forget(failed).
void expect(Display* display, unsigned long request, bool* failed);
void forget(const bool* failed);
} // namespace X11LateErrors
