#include "platform/x11/X11ErrorTrap.h"

namespace {
// Waits for the server only while a request may still be unanswered: a request with a reply
// has been answered by the time its call returns, so only a request without one (setting a
// gamma ramp, say) costs a round trip.
void sync_if_unanswered(Display* display)
{
    if (LastKnownRequestProcessed(display) + 1 < NextRequest(display))
        XSync(display, False);
}
} // namespace

bool X11ErrorTrap::s_failed = false;

X11ErrorTrap::X11ErrorTrap(Display* display) : m_display(display)
{
    // Errors of earlier requests belong to whoever made them (an enclosing trap, say).
    sync_if_unanswered(m_display);
    m_enclosingFailed = s_failed;
    s_failed = false;
    m_previous = XSetErrorHandler(&X11ErrorTrap::record);
}

X11ErrorTrap::~X11ErrorTrap()
{
    sync_if_unanswered(m_display);
    XSetErrorHandler(m_previous);
    s_failed = m_enclosingFailed;
}

bool X11ErrorTrap::failed()
{
    sync_if_unanswered(m_display);
    return s_failed;
}

int X11ErrorTrap::record(Display*, XErrorEvent*)
{
    s_failed = true;
    return 0;
}
