#include "platform/x11/X11KeyboardGrab.h"

#include "KavoLog.h"

#include <QX11Info>

#include <X11/Xlib.h>

X11KeyboardGrab::X11KeyboardGrab()
{
    m_retry.setInterval(50);
    QObject::connect(&m_retry, &QTimer::timeout, [this] { tryGrab(); });
}

X11KeyboardGrab::~X11KeyboardGrab()
{
    release();
}

void X11KeyboardGrab::grab(QWidget& window)
{
    if (m_window == &window && m_held)
        return;
    release();
    m_window = &window;
    tryGrab();
}

void X11KeyboardGrab::tryGrab()
{
    Display* display = QX11Info::display();
    if (!display) {
        if (!m_reportedNoDisplay)
            log_line(QStringLiteral("The keyboard cannot be blocked: Qt does not run on X11"));
        m_reportedNoDisplay = true;
        m_retry.stop();
        return;
    }
    if (!m_window) {
        m_retry.stop();
        return;
    }
    const int result = m_window->isVisible()
                           ? XGrabKeyboard(display, static_cast<Window>(m_window->winId()), False,
                                           GrabModeAsync, GrabModeAsync, CurrentTime)
                           : GrabNotViewable;
    m_held = result == GrabSuccess;
    if (m_held)
        m_retry.stop();
    else if (!m_retry.isActive())
        m_retry.start();
}

void X11KeyboardGrab::release()
{
    m_retry.stop();
    m_window.clear();
    if (!m_held)
        return;
    m_held = false;
    if (Display* display = QX11Info::display()) {
        XUngrabKeyboard(display, CurrentTime);
        XFlush(display);
    }
}
