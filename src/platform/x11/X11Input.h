#pragma once

#include "platform/IInput.h"

#include <QElapsedTimer>
#include <QObject>

struct _XDisplay;
union _XEvent;
class X11EventSource;
class X11Hotkeys;

// Keyboard and mouse of an X11 desktop. XInput2 raw events on the root window report input
// without taking it from the program that gets it. Raw events of one burst wake Kavo once:
// after a reported key or movement, that kind of raw event is deselected, and selected again
// when Kavo next wakes for something else (its own timers) at least kRestMs later, unless
// every movement is wanted. Synthetic clicks go through XTest; the zoom keys are taken with
// passive grabs.
class X11Input : public QObject, public IInput
{
    Q_OBJECT

public:
    X11Input(_XDisplay* display, X11EventSource& events, X11Hotkeys& hotkeys);

    void setKeyListener(std::function<void(const InputEvent&)> listener) override;
    void setMouseListener(std::function<void(const InputEvent&)> listener) override;
    bool watchKeys(bool on) override;
    bool watchMouse(bool on) override;
    void setMotion(Motion motion) override;
    bool blockZoomKeys(bool on) override;
    Qt::KeyboardModifiers heldModifiers() override;
    bool leftClick() override;
    QPoint pointerPosition() override;
    bool grabPointer(bool on) override;

    // How long a kind of raw event stays deselected at least after one was reported.
    static constexpr int kRestMs = 1000;

private:
    bool hasRawInput();
    void select();
    void rest(QElapsedTimer& rest);
    void selectRested();
    bool handle(_XEvent& event);
    bool handleGrabbed(const _XEvent& event);
    void reportKey(unsigned int keycode);
    void reportButton(bool press, unsigned int button, const QPoint& position);
    void reportMotion(const QPoint& position);
    void sendMouse(InputEvent::Type type, const QPoint& position, int wheelDelta = 0);
    void sendZoomKey(DWORD virtualKey);

    _XDisplay* m_display;
    X11EventSource& m_events;
    X11Hotkeys& m_hotkeys;
    std::function<void(const InputEvent&)> m_keyListener;
    std::function<void(const InputEvent&)> m_mouseListener;
    int m_opcode = -1; // XInput2's major opcode; 0 when the server has no XInput2
    bool m_keys = false;
    bool m_mouse = false;
    bool m_everyMove = false;
    bool m_zoomKeysBlocked = false;
    bool m_pointerGrabbed = false;
    QElapsedTimer m_keyRest;    // running while raw keys are deselected
    QElapsedTimer m_motionRest; // running while raw motion is deselected
    QElapsedTimer m_buttonRest; // running while raw buttons are deselected
};
