#include "platform/x11/X11Overlays.h"

#include <QByteArray>
#include <QWidget>

#include "platform/x11/X11ErrorTrap.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {
const char* const kStates[] = {"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR",
                               "_NET_WM_STATE_SKIP_PAGER"};
} // namespace

void X11Overlays::prepare(QWidget& window)
{
    const Window id = static_cast<Window>(window.winId());
    X11ErrorTrap trap(m_display);
    // No window manager handles the window (it bypasses it): the states tell panels and pagers
    // that list every window to leave it out, and raising keeps it above the managed windows.
    Atom atoms[3];
    for (int i = 0; i < 3; ++i)
        atoms[i] = XInternAtom(m_display, kStates[i], False);
    XChangeProperty(m_display, id, XInternAtom(m_display, "_NET_WM_STATE", False), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(atoms), 3);
    XRaiseWindow(m_display, id);
    trap.failed();
}

bool X11Overlays::blendsTranslucentWindows()
{
    const QByteArray selection = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(m_display));
    const Atom atom = XInternAtom(m_display, selection.constData(), False);
    return XGetSelectionOwner(m_display, atom) != None;
}
