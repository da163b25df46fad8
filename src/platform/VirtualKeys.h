#pragma once

#include "platform/Win32Types.h"

#include <Qt>

// Windows virtual-key codes, the key numbers Kavo's key signals carry on every desktop.
namespace VirtualKeys {

constexpr DWORD kAdd = 107;      // the numeric keypad's plus
constexpr DWORD kSubtract = 109; // the numeric keypad's minus

// The virtual-key code of `key` (on the numeric keypad when `keypad`); 0 when it has none.
DWORD fromQtKey(Qt::Key key, bool keypad);

} // namespace VirtualKeys
