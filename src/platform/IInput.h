#pragma once

#include "platform/Win32Types.h"

#include <QPoint>
#include <Qt>

#include <functional>

// One key or mouse event of the whole desktop.
struct InputEvent
{
    enum Type
    {
        KeyDown,
        KeyUp,
        MouseMove,
        LeftButtonDown,
        LeftButtonUp,
        RightButtonDown,
        RightButtonUp,
        Wheel,
    };

    Type type = KeyDown;
    // Keys: the Windows virtual-key code (0 for keys that have none).
    DWORD virtualKey = 0;
    // Mouse events: the pointer's position on the desktop.
    QPoint position;
    // Wheel: positive away from the user.
    int wheelDelta = 0;
};

// System-wide input: what the user types and does with the mouse in every program (reported,
// never taken away from the program that gets it), synthetic clicks, the pointer.
class IInput
{
public:
    // How often mouse movement is reported.
    enum class Motion
    {
        // Once per burst of movement: enough to notice that the user is there, and the
        // desktop does not wake Kavo for every pixel.
        Bursts,
        // Every movement, for dragging out an area on the screen.
        Every,
    };

    virtual ~IInput() = default;

    // Receives key events while keys are watched, on the GUI thread.
    virtual void setKeyListener(std::function<void(const InputEvent&)> listener) = 0;
    // Receives mouse events while the mouse is watched, on the GUI thread.
    virtual void setMouseListener(std::function<void(const InputEvent&)> listener) = 0;

    // Starts or stops reporting key presses and releases; false when the desktop cannot
    // report them (the watch is then off).
    virtual bool watchKeys(bool on) = 0;
    // Starts or stops reporting mouse movement, buttons and wheel; false when it cannot.
    virtual bool watchMouse(bool on) = 0;
    virtual void setMotion(Motion motion) = 0;

    // While on, Ctrl+Alt with the numeric keypad's plus or minus reaches no other program;
    // Kavo gets them as key events. False when the desktop cannot take them.
    virtual bool blockZoomKeys(bool on) = 0;

    // The modifier keys (Ctrl, Alt, Shift, Meta) held down now.
    virtual Qt::KeyboardModifiers heldModifiers() = 0;

    // Presses and releases the left button where the pointer is; false when the desktop
    // refuses synthetic input.
    virtual bool leftClick() = 0;

    // The pointer's position on the desktop.
    virtual QPoint pointerPosition() = 0;

    // While on, the mouse's buttons reach no other program, only Kavo's mouse listener (to drag
    // out an area of the screen); false when the desktop refuses (another program holds it).
    virtual bool grabPointer(bool on) = 0;
};
