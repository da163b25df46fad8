#pragma once

#include <QString>
#include <Qt>

#include <cstdint>

// Qt's key codes for the keysyms a keymap gives (libxkbcommon's, which are X11's): the keys a
// window of Kavo acts on by code, and every other key that types one character by that
// character, as Qt names letters and digits.
namespace XkbKeys {

// The Qt::Key of `keysym`, which types `text`; Qt::Key_unknown for the rest.
int qtKey(uint32_t keysym, const QString& text);

} // namespace XkbKeys
