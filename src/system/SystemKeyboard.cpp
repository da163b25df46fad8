#include "system/SystemKeyboard.h"

#include "KavoLog.h"
#include "platform/IInput.h"

#include <algorithm>

SystemKeyboard::SystemKeyboard(IInput& input, bool zoom_works)
    : m_input(input), m_zoom_works(zoom_works)
{
    // Signal spies and queued connections know the key signals' arguments by these names.
    qRegisterMetaType<DWORD>("DWORD");
    m_input.setKeyListener([this](const InputEvent& event) { receive(event); });
}

SystemKeyboard::~SystemKeyboard()
{
    m_emit_keys = false;
    m_block_zoom_keys = false;
    refresh_hook();
    m_input.setKeyListener({});
}

bool SystemKeyboard::set_emit_keys(bool emit_keys)
{
    m_emit_keys = emit_keys;
    refresh_hook();
    return m_emit_keys;
}

bool SystemKeyboard::set_block_zoom_keys(bool block)
{
    m_block_zoom_keys = block;
    refresh_hook();
    return m_block_zoom_keys;
}

void SystemKeyboard::watch_keys(bool on)
{
    m_key_watchers = std::max(0, m_key_watchers + (on ? 1 : -1));
    refresh_hook();
}

// A hook that could not be installed is tried again by the next call that needs it.
void SystemKeyboard::refresh_hook()
{
    const bool wanted = m_emit_keys || m_block_zoom_keys || m_key_watchers > 0;
    if (wanted && !m_hooked) {
        m_hooked = m_input.watchKeys(true);
        if (!m_hooked)
            log_line(QStringLiteral("The keyboard hook could not be installed"));
    } else if (!wanted && m_hooked) {
        m_input.watchKeys(false);
        m_hooked = false;
    }
    // Taking the zoom keys only has a point where they zoom.
    const bool take_zoom_keys = m_hooked && m_block_zoom_keys && m_zoom_works;
    if (take_zoom_keys != m_zoom_keys_taken) {
        m_input.blockZoomKeys(take_zoom_keys);
        m_zoom_keys_taken = take_zoom_keys;
    }
}

void SystemKeyboard::receive(const InputEvent& event)
{
    if (!m_emit_keys && m_key_watchers == 0)
        return;
    if (event.type == InputEvent::KeyDown)
        emit key_pressed(event.virtualKey, 0);
    else if (event.type == InputEvent::KeyUp)
        emit keyReleased(event.virtualKey, LLKHF_UP);
}
