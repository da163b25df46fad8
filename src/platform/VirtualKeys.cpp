#include "platform/VirtualKeys.h"

namespace VirtualKeys {
namespace {
struct KeyCode
{
    Qt::Key key;
    DWORD code;
};

const KeyCode kMainKeys[] = {
    {Qt::Key_Backspace, 0x08},   {Qt::Key_Tab, 0x09},       {Qt::Key_Return, 0x0D},
    {Qt::Key_Enter, 0x0D},       {Qt::Key_Shift, 0x10},     {Qt::Key_Control, 0x11},
    {Qt::Key_Alt, 0x12},         {Qt::Key_Pause, 0x13},     {Qt::Key_CapsLock, 0x14},
    {Qt::Key_Escape, 0x1B},      {Qt::Key_Space, 0x20},     {Qt::Key_PageUp, 0x21},
    {Qt::Key_PageDown, 0x22},    {Qt::Key_End, 0x23},       {Qt::Key_Home, 0x24},
    {Qt::Key_Left, 0x25},        {Qt::Key_Up, 0x26},        {Qt::Key_Right, 0x27},
    {Qt::Key_Down, 0x28},        {Qt::Key_Print, 0x2C},     {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, 0x2E},      {Qt::Key_Meta, 0x5B},      {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91},  {Qt::Key_Semicolon, 0xBA}, {Qt::Key_Plus, 0xBB},
    {Qt::Key_Equal, 0xBB},       {Qt::Key_Comma, 0xBC},     {Qt::Key_Minus, 0xBD},
    {Qt::Key_Period, 0xBE},      {Qt::Key_Slash, 0xBF},     {Qt::Key_QuoteLeft, 0xC0},
    {Qt::Key_BracketLeft, 0xDB}, {Qt::Key_Backslash, 0xDC}, {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_Apostrophe, 0xDE},
};

const KeyCode kKeypadKeys[] = {
    {Qt::Key_Asterisk, 0x6A}, {Qt::Key_Plus, kAdd},  {Qt::Key_Minus, kSubtract},
    {Qt::Key_Period, 0x6E},   {Qt::Key_Slash, 0x6F}, {Qt::Key_Enter, 0x0D},
};

bool inRange(Qt::Key key, Qt::Key first, Qt::Key last)
{
    return key >= first && key <= last;
}
} // namespace

DWORD fromQtKey(Qt::Key key, bool keypad)
{
    if (keypad && inRange(key, Qt::Key_0, Qt::Key_9))
        return 0x60 + static_cast<DWORD>(key - Qt::Key_0);
    if (keypad) {
        for (const KeyCode& entry : kKeypadKeys) {
            if (entry.key == key)
                return entry.code;
        }
    }
    // Letters and digits have their ASCII codes.
    if (inRange(key, Qt::Key_A, Qt::Key_Z) || inRange(key, Qt::Key_0, Qt::Key_9))
        return static_cast<DWORD>(key);
    if (inRange(key, Qt::Key_F1, Qt::Key_F24))
        return 0x70 + static_cast<DWORD>(key - Qt::Key_F1);
    for (const KeyCode& entry : kMainKeys) {
        if (entry.key == key)
            return entry.code;
    }
    return 0;
}

} // namespace VirtualKeys
