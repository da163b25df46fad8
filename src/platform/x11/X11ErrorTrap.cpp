#include "platform/x11/X11ErrorTrap.h"

bool X11ErrorTrap::s_failed = false;

X11ErrorTrap::X11ErrorTrap(Display* display) : m_display(display)
{
    // Errors of earlier requests belong to whoever made them (an enclosing trap, say).
    XSync(m_display, False);
    m_enclosingFailed = s_failed;
    s_failed = false;
    m_previous = XSetErrorHandler(&X11ErrorTrap::record);
}

X11ErrorTrap::~X11ErrorTrap()
{
    XSync(m_display, False);
    XSetErrorHandler(m_previous);
    s_failed = m_enclosingFailed;
}

bool X11ErrorTrap::failed()
{
    XSync(m_display, False);
    return s_failed;
}

int X11ErrorTrap::record(Display*, XErrorEvent*)
{
    s_failed = true;
    return 0;
}
