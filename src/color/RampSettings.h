#pragma once

#include <QtGlobal>

// What one colour change asks of a monitor: a colour temperature in kelvin (6500 K neutral)
// and a brightness factor (percentage / 100). The gamma exponents are always 1.0.
struct RampSettings
{
    qint32 temperature = 6500;
    float gamma_red = 1.0f;
    float gamma_green = 1.0f;
    float gamma_blue = 1.0f;
    float brightness = 1.0f;
};
