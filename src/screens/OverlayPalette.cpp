#include "screens/OverlayPalette.h"

#include <algorithm>
#include <iterator>

namespace OverlayPalette {

namespace {
const Rgb kColors[] = {
    {0, 255, 0},     // 1 green
    {64, 224, 208},  // 2 turquoise
    {0, 0, 255},     // 3 blue
    {75, 0, 130},    // 4 indigo
    {238, 130, 238}, // 5 violet
    {128, 0, 128},   // 6 purple
    {255, 0, 255},   // 7 magenta
    {255, 36, 0},    // 8 scarlet
    {255, 0, 0},     // 9 red
    {255, 165, 0},   // 10 orange
    {255, 255, 0},   // 11 yellow
    {255, 244, 79},  // 12 lemon
};
} // namespace

bool color(int code, Rgb& out)
{
    if (code < 1 || code > static_cast<int>(std::size(kColors))) {
        out = Rgb();
        return false;
    }
    out = kColors[code - 1];
    return true;
}

Rgb dimmed(const Rgb& rgb, int dim)
{
    const int keep = 100 - std::clamp(dim, 0, 100);
    return {rgb.red * keep / 100, rgb.green * keep / 100, rgb.blue * keep / 100};
}

int code_from_setting(const QVariant& stored, bool* refused)
{
    bool number = false;
    const int code = stored.toInt(&number);
    if (refused)
        *refused = !number;
    return number ? code : kDefaultCode;
}

} // namespace OverlayPalette
