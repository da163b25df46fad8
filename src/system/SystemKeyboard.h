#pragma once

#include "Singleton.h"
#include "platform/Win32Types.h"

#include <QObject>

class IInput;
struct InputEvent;

// The keyboard of the whole desktop: reports key presses (for inactivity and the zoom keys)
// and can take the zoom keys (Ctrl+Alt with the numeric keypad's plus or minus) from other
// programs. The hook exists exactly while one of the two is wanted.
class SystemKeyboard : public QObject, public Singleton<SystemKeyboard>
{
    Q_OBJECT

public:
    // `zoom_works`: the desktop can zoom, so taking the zoom keys has a point.
    SystemKeyboard(IInput& input, bool zoom_works);
    ~SystemKeyboard() override;

    // Each sets its flag, then installs or removes the hook; returns the new flag.
    bool set_emit_keys(bool emit_keys);
    bool set_block_zoom_keys(bool block);

    // For other users of the key presses than the controller (the software screen effects
    // waiting for input): each on is matched by an off; keys are reported while one wants them.
    void watch_keys(bool on);

    bool is_hooked() const { return m_hooked; }

signals:
    // The virtual-key code and the flags word (LLKHF_UP on release).
    void key_pressed(DWORD key, DWORD flags);
    void keyReleased(DWORD key, DWORD flags);

private:
    void refresh_hook();
    void receive(const InputEvent& event);

    IInput& m_input;
    bool m_zoom_works;
    bool m_emit_keys = false;
    int m_key_watchers = 0;
    bool m_block_zoom_keys = false;
    bool m_hooked = false;
    bool m_zoom_keys_taken = false;
};
