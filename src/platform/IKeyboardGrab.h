#pragma once

class QWidget;

// Takes the whole keyboard for one of Kavo's windows, so that no other program sees a key.
// The desktop gives it back when Kavo ends, even when Kavo is killed.
class IKeyboardGrab
{
public:
    virtual ~IKeyboardGrab() = default;

    // Sends every key to `window` alone until release(); a window that is not on the screen yet
    // gets the keyboard as soon as it shows. A grab for another window replaces the first.
    virtual void grab(QWidget& window) = 0;

    // Gives the keyboard back to the desktop; nothing when it is not grabbed.
    virtual void release() = 0;

    // Whether a grab was asked for and not released.
    virtual bool isGrabbed() const = 0;
};
