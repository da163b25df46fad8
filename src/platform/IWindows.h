#pragma once

class QRect;
class QWidget;

// The desktop's window stacking: what Kavo needs beyond Qt's own raise and activate.
class IWindows
{
public:
    virtual ~IWindows() = default;

    // Puts the top-level `window` above every other window and gives it the input focus,
    // also where the desktop would otherwise keep a background program from doing so.
    virtual void bringToFront(QWidget& window) = 0;

    // Shows the top-level `window` over the whole of `monitor` (desktop coordinates), above
    // the other windows: a full-screen window on that monitor.
    virtual void coverMonitor(QWidget& window, const QRect& monitor) = 0;
};
