#pragma once

#include "platform/IWindows.h"

struct _XDisplay;

// Raises windows the way pagers do: a _NET_ACTIVE_WINDOW request to the window manager, which
// focus-stealing prevention lets through, then a plain raise.
class X11Windows : public IWindows
{
public:
    explicit X11Windows(_XDisplay* display) : m_display(display) {}

    void bringToFront(QWidget& window) override;
    // A full-screen window that the window manager keeps on the monitor.
    void coverMonitor(QWidget& window, const QRect& monitor) override;

private:
    _XDisplay* m_display;
};
