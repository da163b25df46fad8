#include "platform/x11/X11EventSource.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <X11/Xlib.h>

X11EventSource::X11EventSource(Display* display) : m_display(display)
{
}

X11EventSource::~X11EventSource()
{
    delete m_notifier;
}

void X11EventSource::addHandler(Handler handler)
{
    m_handlers.push_back(std::move(handler));
    start();
}

void X11EventSource::selectRootEvents(long mask)
{
    m_rootMask |= mask;
    XSelectInput(m_display, DefaultRootWindow(m_display), m_rootMask);
    XFlush(m_display);
}

void X11EventSource::start()
{
    if (m_notifier || !QCoreApplication::instance())
        return;
    m_notifier = new QSocketNotifier(ConnectionNumber(m_display), QSocketNotifier::Read);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11EventSource::dispatchPending);
    // An event loop that waits says so before it sleeps; one that only passes over the queue
    // (processEvents without waiting) says it is awake.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &X11EventSource::dispatchQueued);
        connect(dispatcher, &QAbstractEventDispatcher::awake, this,
                &X11EventSource::dispatchQueued);
    }
}

void X11EventSource::dispatchQueued()
{
    // Costs no system call: only what Xlib has already read.
    if (XEventsQueued(m_display, QueuedAlready) > 0)
        dispatchPending();
}

void X11EventSource::dispatchPending()
{
    // A handler that runs a nested event loop must not read the queue from inside itself.
    if (m_dispatching)
        return;
    m_dispatching = true;
    while (XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        for (const Handler& handler : m_handlers) {
            if (handler(event))
                break;
        }
    }
    m_dispatching = false;
}
