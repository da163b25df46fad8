#pragma once

#include <QVector>
#include <Qt>

// Qt's key names and the keysyms of X11, both ways.
namespace X11KeyMap {

// The keysyms that stand for `key` (on the numeric keypad when `keypad`). Enter and Return
// both mean the main Enter key and the keypad's. Empty when X11 has no such key.
QVector<unsigned long> keysyms(Qt::Key key, bool keypad);

// The Qt key of `keysym`, and whether it is on the numeric keypad; false when Qt has none.
bool toQtKey(unsigned long keysym, Qt::Key& key, bool& keypad);

} // namespace X11KeyMap
