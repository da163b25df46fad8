#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QSocketNotifier;
struct _XDisplay;
union _XEvent;

// Reads the events of Kavo's own X connection on the GUI thread and hands each to the
// handlers in the order they were added, until one takes it. It reads whenever the server
// sends something and also on every pass of the event loop, since a request that waits for
// its reply may leave events in Xlib's queue without the socket being readable again.
class X11EventSource : public QObject
{
    Q_OBJECT

public:
    // True when the handler took the event.
    using Handler = std::function<bool(_XEvent& event)>;

    explicit X11EventSource(_XDisplay* display);
    ~X11EventSource() override;

    // Adds `handler`; the first handler starts the reading (a Qt application must exist).
    void addHandler(Handler handler);

    // Adds `mask` to the core events Kavo's connection selects on the root window.
    void selectRootEvents(long mask);

    // Reads and dispatches every event that has arrived.
    void dispatchPending();

    // Dispatches the events Xlib has already read, without asking the server.
    void dispatchQueued();

private:
    void start();

    _XDisplay* m_display;
    std::vector<Handler> m_handlers;
    QSocketNotifier* m_notifier = nullptr;
    long m_rootMask = 0;
    bool m_dispatching = false;
};
