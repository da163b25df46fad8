#include "color/ColorMatrixRecipe.h"

#include "color/EffectMatrices.h"

ColorMatrix ColorMatrixRecipe::build(const ColorRamp& ramp) const
{
    ColorMatrix matrix = ColorMatrix::temperature(ramp, settings);
    if (effect)
        matrix = ColorMatrix::multiply(matrix, EffectMatrices::matrix(*effect));
    if (inverted)
        matrix = ColorMatrix::multiply(matrix, EffectMatrices::matrix(EffectMatrices::kInversion));
    if (saturation && *saturation != 100)
        matrix = ColorMatrix::multiply(matrix, ColorMatrix::saturation(*saturation));
    return matrix;
}
