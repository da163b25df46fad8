#include "platform/x11/X11Hotkeys.h"

#include "platform/x11/X11EventSource.h"
#include "platform/x11/X11KeyMap.h"

// Xlib defines Bool, which Qt's headers must not see: after them.
#include "platform/x11/X11ErrorTrap.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace {
constexpr unsigned int kChordMask = ShiftMask | ControlMask | Mod1Mask | Mod4Mask;

unsigned int xModifiers(Qt::KeyboardModifiers modifiers)
{
    unsigned int bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= ShiftMask;
    if (modifiers & Qt::ControlModifier)
        bits |= ControlMask;
    if (modifiers & Qt::AltModifier)
        bits |= Mod1Mask;
    if (modifiers & Qt::MetaModifier)
        bits |= Mod4Mask;
    return bits;
}

// The modifier bit the key with `keysym` sets (0 when it sets none).
unsigned int modifierOf(Display* display, KeySym keysym)
{
    const KeyCode keycode = XKeysymToKeycode(display, keysym);
    XModifierKeymap* map = XGetModifierMapping(display);
    unsigned int mask = 0;
    for (int modifier = 0; map && keycode != 0 && modifier < 8; ++modifier) {
        for (int i = 0; i < map->max_keypermod; ++i) {
            if (map->modifiermap[modifier * map->max_keypermod + i] == keycode)
                mask = 1u << modifier;
        }
    }
    if (map)
        XFreeModifiermap(map);
    return mask;
}
} // namespace

X11Hotkeys::X11Hotkeys(Display* display, X11EventSource& events)
    : m_display(display), m_events(events)
{
}

void X11Hotkeys::releaseAll()
{
    for (const Held& held : m_held)
        ungrabVariants(held.variants);
    m_held.clear();
}

QVector<X11Hotkeys::Variant> X11Hotkeys::variants(const HotkeyChord& chord) const
{
    QVector<Variant> found;
    const bool keypad = chord.modifiers.testFlag(Qt::KeypadModifier);
    for (unsigned long keysym : X11KeyMap::keysyms(chord.key, keypad)) {
        const KeyCode keycode = XKeysymToKeycode(m_display, keysym);
        if (keycode == 0)
            continue;
        Variant variant{keycode, xModifiers(chord.modifiers)};
        // "+" is Shift with "=" on many layouts: the shortcut needs the Shift the user holds.
        if (XkbKeycodeToKeysym(m_display, keycode, 0, 0) != keysym &&
            XkbKeycodeToKeysym(m_display, keycode, 0, 1) == keysym)
            variant.modifiers |= ShiftMask;
        if (!found.contains(variant))
            found.append(variant);
    }
    return found;
}

QVector<unsigned int> X11Hotkeys::lockCombinations() const
{
    const unsigned int locks[] = {LockMask, modifierOf(m_display, XK_Num_Lock),
                                  modifierOf(m_display, XK_Scroll_Lock)};
    QVector<unsigned int> combinations{0};
    for (unsigned int lock : locks) {
        if (lock == 0)
            continue;
        const int count = combinations.size();
        for (int i = 0; i < count; ++i) {
            if (!combinations.contains(combinations[i] | lock))
                combinations.append(combinations[i] | lock);
        }
    }
    return combinations;
}

bool X11Hotkeys::isHeld(const Variant& variant) const
{
    for (const Held& held : m_held) {
        if (held.variants.contains(variant))
            return true;
    }
    return false;
}

IHotkeys::Grab X11Hotkeys::grab(const HotkeyChord& chord, std::function<void()> activated)
{
    const QVector<Variant> wanted = variants(chord);
    if (wanted.isEmpty())
        return Grab::Unsupported;
    for (const Variant& variant : wanted) {
        if (isHeld(variant))
            return Grab::TakenByKavo;
    }
    if (!grabVariants(wanted)) {
        ungrabVariants(wanted);
        return Grab::Taken;
    }
    if (!m_listening) {
        m_listening = true;
        m_events.addHandler([this](XEvent& event) { return handle(event); });
    }
    m_held.append(Held{chord, wanted, std::move(activated)});
    return Grab::Done;
}

bool X11Hotkeys::grabVariants(const QVector<Variant>& wanted)
{
    const Window root = DefaultRootWindow(m_display);
    const QVector<unsigned int> locks = lockCombinations();
    X11ErrorTrap trap(m_display);
    for (const Variant& variant : wanted) {
        for (unsigned int lock : locks)
            XGrabKey(m_display, static_cast<int>(variant.keycode), variant.modifiers | lock, root,
                     False, GrabModeAsync, GrabModeAsync);
    }
    return !trap.failed();
}

void X11Hotkeys::ungrabVariants(const QVector<Variant>& grabbed)
{
    const Window root = DefaultRootWindow(m_display);
    const QVector<unsigned int> locks = lockCombinations();
    X11ErrorTrap trap(m_display);
    for (const Variant& variant : grabbed) {
        for (unsigned int lock : locks)
            XUngrabKey(m_display, static_cast<int>(variant.keycode), variant.modifiers | lock,
                       root);
    }
    XFlush(m_display);
}

void X11Hotkeys::release(const HotkeyChord& chord)
{
    for (int i = 0; i < m_held.size(); ++i) {
        if (m_held[i].chord == chord) {
            ungrabVariants(m_held[i].variants);
            m_held.removeAt(i);
            return;
        }
    }
}

bool X11Hotkeys::handle(XEvent& event)
{
    if (event.type != KeyPress && event.type != KeyRelease)
        return false;
    const Variant pressed{event.xkey.keycode, event.xkey.state & kChordMask};
    for (const Held& held : m_held) {
        if (!held.variants.contains(pressed))
            continue;
        if (event.type == KeyPress) {
            // The shortcut may replace itself while it runs: run a copy.
            const std::function<void()> activated = held.activated;
            activated();
        }
        return true;
    }
    return false;
}
