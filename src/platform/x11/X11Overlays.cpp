#include "platform/x11/X11Overlays.h"

#include <QByteArray>
#include <QWidget>

#include "platform/x11/X11ErrorTrap.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {
constexpr long kNetWmStateAdd = 1;
constexpr long kSourceApplication = 1;

const char* const kStates[] = {"_NET_WM_STATE_ABOVE", "_NET_WM_STATE_SKIP_TASKBAR",
                               "_NET_WM_STATE_SKIP_PAGER"};
} // namespace

void X11Overlays::prepare(QWidget& window)
{
    const Window id = static_cast<Window>(window.winId());
    const Window root = DefaultRootWindow(m_display);
    const Atom state = XInternAtom(m_display, "_NET_WM_STATE", False);
    X11ErrorTrap trap(m_display);
    Atom atoms[3];
    for (int i = 0; i < 3; ++i)
        atoms[i] = XInternAtom(m_display, kStates[i], False);
    // Where no window manager runs, the property says it; a running one is asked, as EWMH wants
    // for mapped windows.
    XChangeProperty(m_display, id, state, XA_ATOM, 32, PropModeAppend,
                    reinterpret_cast<unsigned char*>(atoms), 3);
    for (Atom atom : atoms) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = id;
        event.xclient.message_type = state;
        event.xclient.format = 32;
        event.xclient.data.l[0] = kNetWmStateAdd;
        event.xclient.data.l[1] = static_cast<long>(atom);
        event.xclient.data.l[3] = kSourceApplication;
        XSendEvent(m_display, root, False, SubstructureRedirectMask | SubstructureNotifyMask,
                   &event);
    }
    XRaiseWindow(m_display, id);
    trap.failed();
}

bool X11Overlays::blendsTranslucentWindows()
{
    const QByteArray selection =
        "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(m_display));
    const Atom atom = XInternAtom(m_display, selection.constData(), False);
    return XGetSelectionOwner(m_display, atom) != None;
}
