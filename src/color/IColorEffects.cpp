#include "color/IColorEffects.h"

#include "color/EffectMatrices.h"

void IColorEffects::effect_matrix(ColorMatrix& out, int effect)
{
    out = EffectMatrices::matrix(effect);
}
