#include "platform/wayland/XkbKeys.h"

#include <xkbcommon/xkbcommon-keysyms.h>

#include <utility>

namespace {
constexpr std::pair<uint32_t, int> kNamedKeys[] = {
    {XKB_KEY_Escape, Qt::Key_Escape},
    {XKB_KEY_Return, Qt::Key_Return},
    {XKB_KEY_KP_Enter, Qt::Key_Enter},
    {XKB_KEY_space, Qt::Key_Space},
    {XKB_KEY_KP_Space, Qt::Key_Space},
    {XKB_KEY_Tab, Qt::Key_Tab},
    {XKB_KEY_ISO_Left_Tab, Qt::Key_Backtab},
    {XKB_KEY_BackSpace, Qt::Key_Backspace},
    {XKB_KEY_Delete, Qt::Key_Delete},
    {XKB_KEY_Left, Qt::Key_Left},
    {XKB_KEY_Right, Qt::Key_Right},
    {XKB_KEY_Up, Qt::Key_Up},
    {XKB_KEY_Down, Qt::Key_Down},
    {XKB_KEY_Home, Qt::Key_Home},
    {XKB_KEY_End, Qt::Key_End},
    {XKB_KEY_Page_Up, Qt::Key_PageUp},
    {XKB_KEY_Page_Down, Qt::Key_PageDown},
    {XKB_KEY_Shift_L, Qt::Key_Shift},
    {XKB_KEY_Shift_R, Qt::Key_Shift},
    {XKB_KEY_Control_L, Qt::Key_Control},
    {XKB_KEY_Control_R, Qt::Key_Control},
    {XKB_KEY_Alt_L, Qt::Key_Alt},
    {XKB_KEY_Alt_R, Qt::Key_Alt},
    {XKB_KEY_Super_L, Qt::Key_Meta},
    {XKB_KEY_Super_R, Qt::Key_Meta},
};
} // namespace

int XkbKeys::qtKey(uint32_t keysym, const QString& text)
{
    for (const auto& [sym, key] : kNamedKeys)
        if (sym == keysym)
            return key;
    if (keysym >= XKB_KEY_F1 && keysym <= XKB_KEY_F12)
        return Qt::Key_F1 + static_cast<int>(keysym - XKB_KEY_F1);
    // Qt names a key that types one character by that character, letters in upper case. The
    // keysyms of ASCII are its codes, which hold also when Control makes the text a control
    // character.
    if (keysym >= 0x20 && keysym <= 0x7e)
        return QChar(static_cast<char16_t>(keysym)).toUpper().unicode();
    if (text.size() == 1 && text.at(0).isPrint())
        return text.at(0).toUpper().unicode();
    return Qt::Key_unknown;
}
