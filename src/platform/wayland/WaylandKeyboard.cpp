#include "platform/wayland/WaylandKeyboard.h"

#include "KavoLog.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandGlobals.h"
#include "platform/wayland/XkbKeys.h"

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <sys/mman.h>
#include <unistd.h>

namespace {
constexpr uint32_t kSeatVersion = 5; // 3 brings wl_keyboard.release
constexpr uint32_t kEvdevToXkb = 8;
} // namespace

struct WaylandKeyboardListener
{
    static WaylandKeyboard* keyboard(void* data) { return static_cast<WaylandKeyboard*>(data); }

    static void capabilities(void* data, wl_seat*, uint32_t capabilities)
    {
        keyboard(data)->capabilities(capabilities);
    }
    static void name(void*, wl_seat*, const char*) {}

    static void keymap(void* data, wl_keyboard*, uint32_t format, int32_t fd, uint32_t size)
    {
        keyboard(data)->keymap(format, fd, size);
    }
    static void enter(void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {}
    static void leave(void*, wl_keyboard*, uint32_t, wl_surface*) {}
    static void key(void* data, wl_keyboard*, uint32_t, uint32_t, uint32_t key, uint32_t state)
    {
        keyboard(data)->key(key, state == WL_KEYBOARD_KEY_STATE_PRESSED);
    }
    static void modifiers(void* data, wl_keyboard*, uint32_t, uint32_t depressed, uint32_t latched,
                          uint32_t locked, uint32_t group)
    {
        keyboard(data)->modifiers(depressed, latched, locked, group);
    }
    static void repeatInfo(void*, wl_keyboard*, int32_t, int32_t) {}

    static constexpr wl_seat_listener kSeat{&capabilities, &name};
    static constexpr wl_keyboard_listener kKeyboard{&keymap, &enter,     &leave,
                                                    &key,    &modifiers, &repeatInfo};
};

WaylandKeyboard::WaylandKeyboard(const WaylandGlobals& globals, Listener listener)
    : m_globals(globals), m_listener(std::move(listener))
{
    m_seat = static_cast<wl_seat*>(globals.bind(wl_seat_interface, kSeatVersion));
    if (!m_seat) {
        log_line(QStringLiteral("The compositor offers no seat: no keys reach Kavo"));
        return;
    }
    m_context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    wl_seat_add_listener(m_seat, &WaylandKeyboardListener::kSeat, this);
    if (globals.connection())
        globals.connection()->flush();
}

WaylandKeyboard::~WaylandKeyboard()
{
    dropKeyboard();
    if (m_seat) {
        if (wl_seat_get_version(m_seat) >= WL_SEAT_RELEASE_SINCE_VERSION)
            wl_seat_release(m_seat);
        else
            wl_seat_destroy(m_seat);
    }
    if (m_context)
        xkb_context_unref(m_context);
    if (m_globals.connection())
        m_globals.connection()->flush();
}

void WaylandKeyboard::capabilities(uint32_t capabilities)
{
    const bool hasKeyboard = capabilities & WL_SEAT_CAPABILITY_KEYBOARD;
    if (hasKeyboard && !m_keyboard) {
        m_keyboard = wl_seat_get_keyboard(m_seat);
        wl_keyboard_add_listener(m_keyboard, &WaylandKeyboardListener::kKeyboard, this);
    } else if (!hasKeyboard) {
        dropKeyboard();
    }
}

void WaylandKeyboard::dropKeyboard()
{
    if (m_keyboard) {
        if (wl_keyboard_get_version(m_keyboard) >= WL_KEYBOARD_RELEASE_SINCE_VERSION)
            wl_keyboard_release(m_keyboard);
        else
            wl_keyboard_destroy(m_keyboard);
        m_keyboard = nullptr;
    }
    if (m_state)
        xkb_state_unref(m_state);
    if (m_keymap)
        xkb_keymap_unref(m_keymap);
    m_state = nullptr;
    m_keymap = nullptr;
}

void WaylandKeyboard::keymap(uint32_t format, int fd, uint32_t size)
{
    void* text = format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1 && size > 0
                     ? mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0)
                     : MAP_FAILED;
    close(fd);
    if (text == MAP_FAILED) {
        log_line(QStringLiteral("The compositor sent no keymap Kavo can read"));
        return;
    }
    // The text ends with a null byte inside `size`.
    xkb_keymap* keymap =
        xkb_keymap_new_from_buffer(m_context, static_cast<const char*>(text), size - 1,
                                   XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    munmap(text, size);
    if (!keymap) {
        log_line(QStringLiteral("The compositor's keymap does not compile"));
        return;
    }
    if (m_state)
        xkb_state_unref(m_state);
    if (m_keymap)
        xkb_keymap_unref(m_keymap);
    m_keymap = keymap;
    m_state = xkb_state_new(keymap);
}

void WaylandKeyboard::key(uint32_t code, bool pressed)
{
    if (!m_state)
        return;
    const xkb_keycode_t keycode = code + kEvdevToXkb;
    WaylandKey key;
    key.type = pressed ? QEvent::KeyPress : QEvent::KeyRelease;
    key.keysym = xkb_state_key_get_one_sym(m_state, keycode);
    char text[64] = {};
    xkb_state_key_get_utf8(m_state, keycode, text, sizeof(text));
    key.text = QString::fromUtf8(text);
    key.key = XkbKeys::qtKey(key.keysym, key.text);
    key.modifiers = qtModifiers();
    key.scanCode = keycode;
    m_listener(key);
}

void WaylandKeyboard::modifiers(uint32_t depressed, uint32_t latched, uint32_t locked,
                                uint32_t group)
{
    if (m_state)
        xkb_state_update_mask(m_state, depressed, latched, locked, 0, 0, group);
}

Qt::KeyboardModifiers WaylandKeyboard::qtModifiers() const
{
    const std::pair<const char*, Qt::KeyboardModifier> names[] = {
        {XKB_MOD_NAME_SHIFT, Qt::ShiftModifier},
        {XKB_MOD_NAME_CTRL, Qt::ControlModifier},
        {XKB_MOD_NAME_ALT, Qt::AltModifier},
        {XKB_MOD_NAME_LOGO, Qt::MetaModifier},
    };
    Qt::KeyboardModifiers modifiers;
    for (const auto& [name, modifier] : names)
        if (xkb_state_mod_name_is_active(m_state, name, XKB_STATE_MODS_EFFECTIVE) > 0)
            modifiers |= modifier;
    return modifiers;
}
