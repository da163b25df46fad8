#pragma once

#include "platform/IHotkeys.h"

#include <QVector>

struct _XDisplay;
union _XEvent;
class X11EventSource;

// Global shortcuts through passive key grabs on the root window. Each combination is grabbed
// once for every state of the lock keys (Caps Lock, Num Lock and, where it is a modifier,
// Scroll Lock), so that none of them stops a shortcut from working. A combination another
// client holds gives BadAccess, caught and reported as taken.
class X11Hotkeys : public IHotkeys
{
public:
    X11Hotkeys(_XDisplay* display, X11EventSource& events);

    // Gives every combination back; the connection closes after this.
    void releaseAll();

    Grab grab(const HotkeyChord& chord, std::function<void()> activated) override;
    void release(const HotkeyChord& chord) override;

private:
    // One physical key with the modifier bits it is grabbed with.
    struct Variant
    {
        unsigned int keycode = 0;
        unsigned int modifiers = 0;
        bool operator==(const Variant& other) const
        {
            return keycode == other.keycode && modifiers == other.modifiers;
        }
    };
    struct Held
    {
        HotkeyChord chord;
        QVector<Variant> variants;
        std::function<void()> activated;
    };

    QVector<Variant> variants(const HotkeyChord& chord) const;
    QVector<unsigned int> lockCombinations() const;
    bool grabVariants(const QVector<Variant>& variants);
    void ungrabVariants(const QVector<Variant>& variants);
    bool isHeld(const Variant& variant) const;
    bool handle(_XEvent& event);

    _XDisplay* m_display;
    X11EventSource& m_events;
    QVector<Held> m_held;
    bool m_listening = false;
};
