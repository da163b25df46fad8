#pragma once

#include "color/ColorMatrix.h"

#include <QImage>

#include <optional>

// What the software screen effects do to a picture of the screen: inversion first, then the
// grey scale (g = (11 R + 16 G + 5 B) / 32), then any other colour matrix.
struct ScreenEffectImage
{
    bool invert = false;
    bool grey = false;
    std::optional<ColorMatrix> matrix;

    bool is_active() const { return invert || grey || matrix.has_value(); }

    // `picture` with the effects applied, as an opaque 32-bit image.
    QImage processed(const QImage& picture) const;
};
