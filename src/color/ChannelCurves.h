#pragma once

#include "color/ColorMatrix.h"
#include "platform/GammaRamp.h"

#include <array>

// One straight curve per colour channel (level 0..1 becomes scale x level + offset) that acts on
// the picture before the gamma ramp. It is what a gamma ramp can show of a colour effect that
// works on each channel alone (inversion, washout) and of a coloured layer over the screen.
struct ChannelCurves
{
    std::array<float, 3> scale{1.0f, 1.0f, 1.0f};
    std::array<float, 3> offset{0.0f, 0.0f, 0.0f};

    bool is_identity() const;

    // `first`, then `then`.
    static ChannelCurves compose(const ChannelCurves& first, const ChannelCurves& then);

    // The curves of a colour matrix that works on each channel alone; false (and `out`
    // untouched) when the matrix mixes channels.
    static bool from_matrix(const ColorMatrix& matrix, ChannelCurves& out);

    // A layer of colour (red, green, blue: 0..255) with opacity `alpha` (0..1) over the picture.
    static ChannelCurves layer(int red, int green, int blue, float alpha);

    // `ramp` with the curves acting first: entry i becomes the ramp's level at
    // scale x i + offset (clamped to the ramp, interpolated between its entries).
    GammaRamp applied_before(const GammaRamp& ramp) const;

    bool operator==(const ChannelCurves& other) const
    {
        return scale == other.scale && offset == other.offset;
    }
    bool operator!=(const ChannelCurves& other) const { return !(*this == other); }
};
