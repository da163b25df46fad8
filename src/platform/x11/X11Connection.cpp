#include "platform/x11/X11Connection.h"

#include <X11/Xlib.h>

std::unique_ptr<X11Connection> X11Connection::open()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    return std::unique_ptr<X11Connection>(new X11Connection(display));
}

X11Connection::X11Connection(_XDisplay* display) : m_display(display), m_displays(display)
{
}

X11Connection::~X11Connection()
{
    XCloseDisplay(m_display);
}
