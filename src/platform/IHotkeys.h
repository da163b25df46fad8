#pragma once

#include <Qt>

#include <functional>

// One key with its modifiers, as a global shortcut.
struct HotkeyChord
{
    Qt::Key key = Qt::Key_unknown;
    // Shift, Ctrl, Alt, Meta and Keypad count; other bits are ignored.
    Qt::KeyboardModifiers modifiers;

    bool operator==(const HotkeyChord& other) const
    {
        return key == other.key && modifiers == other.modifiers;
    }
};

// System-wide shortcuts: a key combination that reaches Kavo from whichever program has the
// keyboard.
class IHotkeys
{
public:
    enum class Grab
    {
        Done,
        // Another program holds the combination.
        Taken,
        // Kavo holds it already, for another shortcut.
        TakenByKavo,
        // The desktop has no such key.
        Unsupported,
        // The desktop lets no program take keys for itself (a Wayland compositor keeps them).
        NotOffered,
    };

    virtual ~IHotkeys() = default;

    // Takes `chord` for Kavo: `activated` runs on the GUI thread each time it is pressed,
    // whatever lock keys (Caps, Num, Scroll) are on.
    virtual Grab grab(const HotkeyChord& chord, std::function<void()> activated) = 0;

    // Gives `chord` back; nothing when Kavo does not hold it.
    virtual void release(const HotkeyChord& chord) = 0;
};
