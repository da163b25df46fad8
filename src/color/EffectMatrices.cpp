#include "color/EffectMatrices.h"

namespace {
// Rows 0..2 and the offset row 4 of each effect; row 3 is always (0, 0, 0, 1, 0).
struct Effect
{
    float rows[3][3];
    float offsets[3];
};

// clang-format off
const Effect kEffects[EffectMatrices::kCount] = {
    {{{-1, 0, 0}, {0, -1, 0}, {0, 0, -1}}, {1, 1, 1}},                                  // 1 Simple Inversion
    {{{0.3f, 0.3f, 0.3f}, {0.6f, 0.6f, 0.6f}, {0.1f, 0.1f, 0.1f}}, {0, 0, 0}},          // 2 Grayscale 1
    {{{0.2126f, 0.2126f, 0.2126f}, {0.7152f, 0.7152f, 0.7152f},
      {0.0722f, 0.0722f, 0.0722f}}, {0, 0, 0}},                                          // 3 Grayscale 2
    {{{0.299f, 0.299f, 0.299f}, {0.587f, 0.587f, 0.587f}, {0.114f, 0.114f, 0.114f}},
     {0, 0, 0}},                                                                         // 4 Grayscale 3
    {{{-0.3f, -0.3f, -0.3f}, {-0.6f, -0.6f, -0.6f}, {-0.1f, -0.1f, -0.1f}}, {1, 1, 1}}, // 5 Negative Grayscale
    {{{0.5f, 0, 0}, {0, 0.3f, 0}, {0, 0, 0.3f}}, {0, 0, 0}},                            // 6 Washout 1
    {{{0.35f, 0, 0}, {0, 0.2f, 0}, {0, 0, 0.2f}}, {0, 0, 0}},                           // 7 Washout 2
    {{{0.25f, 0, 0}, {0, 0.13f, 0}, {0, 0, 0.13f}}, {0, 0, 0}},                         // 8 Washout 3
    {{{0.3333333f, -0.6666667f, -0.6666667f}, {-0.6666667f, 0.3333333f, -0.6666667f},
      {-0.6666667f, -0.6666667f, 0.3333333f}}, {1, 1, 1}},                              // 9 Smart Inversion 1
    {{{1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}}, {1, 1, 1}},                               // 10 Smart Inversion 2
    {{{0.39f, -0.62f, -0.62f}, {-1.21f, -0.22f, -1.22f}, {-0.16f, -0.16f, 0.84f}},
     {1, 1, 1}},                                                                         // 11 Smart Inversion 3
    {{{1.089508f, -0.9326327f, -0.932633f}, {-1.817718f, 0.1683074f, -1.841692f},
      {-0.2445895f, -0.2478156f, 1.762185f}}, {1, 1, 1}},                               // 12 Smart Inversion 4
    {{{0.5f, -0.78f, -0.78f}, {-0.56f, 0.72f, -0.56f}, {-0.94f, -0.94f, 0.34f}},
     {1, 1, 1}},                                                                         // 13 Smart Inversion 5
    {{{0.393f, 0.349f, 0.272f}, {0.769f, 0.686f, 0.534f}, {0.189f, 0.168f, 0.131f}},
     {0, 0, 0}},                                                                         // 14 Sephia
    {{{-0.393f, -0.349f, -0.272f}, {-0.769f, -0.686f, -0.534f},
      {-0.189f, -0.168f, -0.131f}}, {1.351f, 1.203f, 0.937f}},                          // 15 Negative Sepia
    {{{0.3f, 0, 0}, {0.6f, 0, 0}, {0.1f, 0, 0}}, {0, 0, 0}},                            // 16 Grayclase Red
    {{{-0.3f, 0, 0}, {-0.6f, 0, 0}, {-0.1f, 0, 0}}, {1, 0, 0}},                         // 17 Negative Grayclased Red
    {{{0.625f, 0.7f, 0}, {0.375f, 0.3f, 0.3f}, {0, 0, 0.7f}}, {0, 0, 0}},               // 18 Deuteranopia
    {{{0.8f, 0.258f, 0}, {0.2f, 0.742f, 0.142f}, {0, 0, 0.858f}}, {0, 0, 0}},           // 19 Deuteranomaly
    {{{0.567f, 0.558f, 0}, {0.433f, 0.442f, 0.242f}, {0, 0, 0.758f}}, {0, 0, 0}},       // 20 Protanopia
    {{{0.817f, 0.333f, 0}, {0.183f, 0.667f, 0.125f}, {0, 0, 0.875f}}, {0, 0, 0}},       // 21 Protanomaly
    {{{0.95f, 0, 0}, {0.05f, 0.433f, 0.475f}, {0, 0.567f, 0.525f}}, {0, 0, 0}},         // 22 Tritanopia
    {{{0.967f, 0, 0}, {0.033f, 0.733f, 0.183f}, {0, 0.267f, 0.817f}}, {0, 0, 0}},       // 23 Tritanomaly
    {{{0.299f, 0.299f, 0.299f}, {0.587f, 0.587f, 0.587f}, {0.114f, 0.114f, 0.114f}},
     {0, 0, 0}},                                                                         // 24 Achromatopsia
    {{{0.618f, 0.163f, 0.163f}, {0.32f, 0.775f, 0.32f}, {0.062f, 0.062f, 0.516f}},
     {0, 0, 0}},                                                                         // 25 Achromatomaly
    {{{0, 0, 1}, {0, 1, 0}, {1, 0, 0}}, {0, 0, 0}},                                     // 26 Swap Colors
    {{{0.25f, 0.25f, 0.25f}, {0.5f, 0.5f, 0.5f}, {0.125f, 0.125f, 0.125f}},
     {0.2f, 0.2f, -0.2f}},                                                               // 27 Old Photo
    {{{0.60625f, 0.10625f, 0.10625f}, {0.3577f, 0.8577f, 0.3577f},
      {0.03605f, 0.03605f, 0.53605f}}, {0, 0, 0}},                                       // 28 Desaturated
};
// clang-format on
} // namespace

ColorMatrix EffectMatrices::matrix(int effect)
{
    ColorMatrix matrix = ColorMatrix::identity();
    if (effect < 1 || effect > kCount)
        return matrix;
    const Effect& entry = kEffects[effect - 1];
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            matrix.at(row, column) = entry.rows[row][column];
        matrix.at(4, row) = entry.offsets[row];
    }
    return matrix;
}
