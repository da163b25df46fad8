#pragma once

#include "color/RampSettings.h"

#include <array>

class ColorRamp;

// A 5 x 5 colour matrix, row-major: a colour is the row vector (r, g, b, a, 1) and the result
// is that vector times the matrix, so rows 0-3 weigh the input channels and row 4 holds the
// constant offsets.
struct ColorMatrix
{
    std::array<float, 25> values{};

    float at(int row, int column) const { return values[5 * row + column]; }
    float& at(int row, int column) { return values[5 * row + column]; }

    static ColorMatrix identity();

    // Colour temperature and brightness: the diagonal of the white-point multipliers times the
    // brightness, unclipped; the identity when the temperature is negative or the brightness
    // below 0.05.
    static ColorMatrix temperature(const ColorRamp& ramp, const RampSettings& settings);

    // Saturation in percent: 100 leaves colours unchanged, 0 turns them grey.
    static ColorMatrix saturation(int percent);

    // first x current: applied to a colour, `first` acts before `current`. To apply X before
    // the current matrix M, compute multiply(M, X).
    static ColorMatrix multiply(const ColorMatrix& current, const ColorMatrix& first);

    bool operator==(const ColorMatrix& other) const { return values == other.values; }
    bool operator!=(const ColorMatrix& other) const { return values != other.values; }
};
