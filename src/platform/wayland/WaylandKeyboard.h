#pragma once

#include <QEvent>
#include <QString>

#include <cstdint>
#include <functional>

class WaylandGlobals;
struct wl_keyboard;
struct wl_seat;
struct xkb_context;
struct xkb_keymap;
struct xkb_state;

// A key as the compositor sent it to Kavo's own connection, translated through the seat's
// keymap.
struct WaylandKey
{
    QEvent::Type type = QEvent::KeyPress; // or QEvent::KeyRelease
    int key = 0;                          // Qt::Key
    Qt::KeyboardModifiers modifiers;
    QString text;
    uint32_t keysym = 0;
    uint32_t scanCode = 0; // the evdev code plus 8, as X11 and Qt count them
};

// The seat's keyboard on Kavo's own connection: the keys that reach Kavo's own surfaces, with
// the keymap the compositor sends (libxkbcommon). Created for as long as keys are wanted.
class WaylandKeyboard
{
public:
    using Listener = std::function<void(const WaylandKey&)>;

    // The first seat's keyboard; keys go to `listener`.
    WaylandKeyboard(const WaylandGlobals& globals, Listener listener);
    ~WaylandKeyboard();
    WaylandKeyboard(const WaylandKeyboard&) = delete;
    WaylandKeyboard& operator=(const WaylandKeyboard&) = delete;

    // Whether the compositor offers a seat with a keyboard and sent its keymap.
    bool hasKeymap() const { return m_state != nullptr; }

private:
    friend struct WaylandKeyboardListener;

    void capabilities(uint32_t capabilities);
    void keymap(uint32_t format, int fd, uint32_t size);
    void key(uint32_t code, bool pressed);
    void modifiers(uint32_t depressed, uint32_t latched, uint32_t locked, uint32_t group);
    Qt::KeyboardModifiers qtModifiers() const;
    void dropKeyboard();

    const WaylandGlobals& m_globals;
    Listener m_listener;
    wl_seat* m_seat = nullptr;
    wl_keyboard* m_keyboard = nullptr;
    xkb_context* m_context = nullptr;
    xkb_keymap* m_keymap = nullptr;
    xkb_state* m_state = nullptr;
};
