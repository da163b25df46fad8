#pragma once

class QWidget;

// The desktop's window stacking: what Kavo needs beyond Qt's own raise and activate.
class IWindows
{
public:
    virtual ~IWindows() = default;

    // Puts the top-level `window` above every other window and gives it the input focus,
    // also where the desktop would otherwise keep a background program from doing so.
    virtual void bringToFront(QWidget& window) = 0;
};
