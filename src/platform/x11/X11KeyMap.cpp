#include "platform/x11/X11KeyMap.h"

#include <X11/keysym.h>

namespace X11KeyMap {
namespace {
struct KeyName
{
    Qt::Key key;
    bool keypad;
    unsigned long keysym;
};

// Letters, digits and function keys are ranges; everything else is listed. Where a key has
// two keysyms, the first one listed is the key's own.
const KeyName kKeys[] = {
    {Qt::Key_Escape, false, XK_Escape},
    {Qt::Key_Tab, false, XK_Tab},
    {Qt::Key_Backspace, false, XK_BackSpace},
    {Qt::Key_Return, false, XK_Return},
    {Qt::Key_Return, false, XK_KP_Enter},
    {Qt::Key_Enter, false, XK_Return},
    {Qt::Key_Enter, false, XK_KP_Enter},
    {Qt::Key_Enter, true, XK_KP_Enter},
    {Qt::Key_Insert, false, XK_Insert},
    {Qt::Key_Delete, false, XK_Delete},
    {Qt::Key_Pause, false, XK_Pause},
    {Qt::Key_Print, false, XK_Print},
    {Qt::Key_Home, false, XK_Home},
    {Qt::Key_End, false, XK_End},
    {Qt::Key_Left, false, XK_Left},
    {Qt::Key_Up, false, XK_Up},
    {Qt::Key_Right, false, XK_Right},
    {Qt::Key_Down, false, XK_Down},
    {Qt::Key_PageUp, false, XK_Prior},
    {Qt::Key_PageDown, false, XK_Next},
    {Qt::Key_Shift, false, XK_Shift_L},
    {Qt::Key_Shift, false, XK_Shift_R},
    {Qt::Key_Control, false, XK_Control_L},
    {Qt::Key_Control, false, XK_Control_R},
    {Qt::Key_Meta, false, XK_Super_L},
    {Qt::Key_Meta, false, XK_Super_R},
    {Qt::Key_Alt, false, XK_Alt_L},
    {Qt::Key_Alt, false, XK_Alt_R},
    {Qt::Key_CapsLock, false, XK_Caps_Lock},
    {Qt::Key_NumLock, false, XK_Num_Lock},
    {Qt::Key_ScrollLock, false, XK_Scroll_Lock},
    {Qt::Key_Space, false, XK_space},
    {Qt::Key_Plus, false, XK_plus},
    {Qt::Key_Minus, false, XK_minus},
    {Qt::Key_Equal, false, XK_equal},
    {Qt::Key_Comma, false, XK_comma},
    {Qt::Key_Period, false, XK_period},
    {Qt::Key_Slash, false, XK_slash},
    {Qt::Key_Semicolon, false, XK_semicolon},
    {Qt::Key_Apostrophe, false, XK_apostrophe},
    {Qt::Key_BracketLeft, false, XK_bracketleft},
    {Qt::Key_BracketRight, false, XK_bracketright},
    {Qt::Key_Backslash, false, XK_backslash},
    {Qt::Key_QuoteLeft, false, XK_grave},
    {Qt::Key_Asterisk, false, XK_asterisk},
    {Qt::Key_Plus, true, XK_KP_Add},
    {Qt::Key_Minus, true, XK_KP_Subtract},
    {Qt::Key_Asterisk, true, XK_KP_Multiply},
    {Qt::Key_Slash, true, XK_KP_Divide},
    {Qt::Key_Period, true, XK_KP_Decimal},
};

bool inRange(int value, int first, int last)
{
    return value >= first && value <= last;
}
} // namespace

QVector<unsigned long> keysyms(Qt::Key key, bool keypad)
{
    if (inRange(key, Qt::Key_A, Qt::Key_Z))
        return {static_cast<unsigned long>(XK_a + (key - Qt::Key_A))};
    if (inRange(key, Qt::Key_0, Qt::Key_9))
        return {static_cast<unsigned long>((keypad ? XK_KP_0 : XK_0) + (key - Qt::Key_0))};
    if (inRange(key, Qt::Key_F1, Qt::Key_F35))
        return {static_cast<unsigned long>(XK_F1 + (key - Qt::Key_F1))};
    QVector<unsigned long> found;
    for (const KeyName& name : kKeys) {
        if (name.key == key && name.keypad == keypad)
            found.append(name.keysym);
    }
    return found;
}

bool toQtKey(unsigned long keysym, Qt::Key& key, bool& keypad)
{
    keypad = false;
    if (inRange(static_cast<int>(keysym), XK_a, XK_z) ||
        inRange(static_cast<int>(keysym), XK_A, XK_Z)) {
        const unsigned long lower = keysym >= XK_a ? keysym - XK_a : keysym - XK_A;
        key = static_cast<Qt::Key>(Qt::Key_A + static_cast<int>(lower));
        return true;
    }
    if (inRange(static_cast<int>(keysym), XK_0, XK_9) ||
        inRange(static_cast<int>(keysym), XK_KP_0, XK_KP_9)) {
        keypad = keysym >= XK_KP_0;
        key =
            static_cast<Qt::Key>(Qt::Key_0 + static_cast<int>(keysym - (keypad ? XK_KP_0 : XK_0)));
        return true;
    }
    if (inRange(static_cast<int>(keysym), XK_F1, XK_F35)) {
        key = static_cast<Qt::Key>(Qt::Key_F1 + static_cast<int>(keysym - XK_F1));
        return true;
    }
    for (const KeyName& name : kKeys) {
        if (name.keysym == keysym) {
            key = name.key;
            keypad = name.keypad || keysym == XK_KP_Enter;
            return true;
        }
    }
    return false;
}

} // namespace X11KeyMap
