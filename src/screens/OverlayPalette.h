#pragma once

#include <QVariant>

// The overlay's colours (setting OverlayScreenColor) and the dim that darkens them.
namespace OverlayPalette {

struct Rgb
{
    int red = 255;
    int green = 255;
    int blue = 255;

    bool operator==(const Rgb& other) const
    {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

constexpr int kDefaultCode = 9; // red

// The colour of `code` (1 green .. 12 lemon); false and white for any other code.
bool color(int code, Rgb& out);

// `rgb` darkened by `dim` percent: each channel x (100 - dim) / 100, whole numbers.
Rgb dimmed(const Rgb& rgb, int dim);

// The colour code a stored OverlayScreenColor stands for. A value that is not a whole number
// (text from a hand-edited file) is refused: `refused` is set and the default code returned.
int code_from_setting(const QVariant& stored, bool* refused = nullptr);

} // namespace OverlayPalette
