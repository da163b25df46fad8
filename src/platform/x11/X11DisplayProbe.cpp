#include "platform/x11/X11DisplayProbe.h"

#include <X11/Xlib.h>

bool x11DisplayAnswers(const QByteArray& name)
{
    if (name.isEmpty())
        return false;
    Display* display = XOpenDisplay(name.constData());
    if (!display)
        return false;
    XCloseDisplay(display);
    return true;
}
