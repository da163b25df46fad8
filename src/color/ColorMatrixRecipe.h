#pragma once

#include "color/ColorMatrix.h"

#include <optional>

// The colour matrix that carries colours when gamma ramps do not: temperature and brightness,
// plus the colour effect, inversion and saturation that are on.
struct ColorMatrixRecipe
{
    RampSettings settings;
    std::optional<int> effect;     // when colour effects are on
    bool inverted = false;         // inverted colours
    std::optional<int> saturation; // when saturation is on; 100 changes nothing

    // On a colour: saturation first, then inversion, then the effect, then temperature and
    // brightness.
    ColorMatrix build(const ColorRamp& ramp) const;
};
