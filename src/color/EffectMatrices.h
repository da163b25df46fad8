#pragma once

#include "color/ColorMatrix.h"

// The full-screen colour effects (setting ColorEffect): 1 "Simple Inversion" .. 28
// "Desaturated".
class EffectMatrices
{
public:
    static constexpr int kInversion = 1;
    static constexpr int kCount = 28;

    // The matrix of `effect`; the identity for any value outside 1..28.
    static ColorMatrix matrix(int effect);
};
