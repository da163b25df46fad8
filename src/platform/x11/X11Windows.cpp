#include "platform/x11/X11Windows.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <X11/Xlib.h>

namespace {
// _NET_ACTIVE_WINDOW source indication of a pager, which window managers always honour.
constexpr long kSourcePager = 2;
} // namespace

void X11Windows::bringToFront(QWidget& window)
{
    const Window id = static_cast<Window>(window.winId());
    const Window root = DefaultRootWindow(m_display);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = id;
    event.xclient.message_type = XInternAtom(m_display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = kSourcePager;
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XRaiseWindow(m_display, id);
    XFlush(m_display);
}

void X11Windows::coverMonitor(QWidget& window, const QRect& monitor)
{
    // The window manager sizes a full-screen window itself; a fixed size would stop it.
    window.setMinimumSize(0, 0);
    window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window.createWinId();
    if (QScreen* screen = QGuiApplication::screenAt(monitor.center()))
        window.windowHandle()->setScreen(screen);
    window.setGeometry(monitor);
    window.showFullScreen();
    window.raise();
}
