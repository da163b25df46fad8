#pragma once

#include "color/RampSettings.h"
#include "color/WhitePointTables.h"
#include "platform/GammaRamp.h"

// How strongly each channel is let through at one colour temperature (1.0 = unchanged).
struct ChannelMultipliers
{
    float red = 1.0f;
    float green = 1.0f;
    float blue = 1.0f;
};

// Turns a colour temperature and a brightness into gamma ramps: each entry of a base ramp is
// scaled by the brightness and by the white point of the temperature in the selected colour
// scheme, and clipped at full scale.
class ColorRamp
{
public:
    // Scheme 1, leading colour 1 (red).
    ColorRamp();

    // Colour scheme 1..6; any other value selects scheme 1.
    void select_scheme(int scheme);

    // Leading colour 1 (red), 2 (blue) or 3 (green): which table column the warm channel
    // follows. The value is kept as given; anything but 2 and 3 is read as 1.
    void set_leading_color(int offset);
    int leadingColor() const { return m_leading_color; }

    // The channel multipliers at `temperature` (negative values read as 0 K).
    ChannelMultipliers multipliers(qint32 temperature) const;

    // Scales the first `count` entries of the three channels in place.
    void apply(quint16* red, quint16* green, quint16* blue, int count,
               const RampSettings& settings) const;
    void apply(GammaRamp& ramp, const RampSettings& settings) const;

    // The highest temperature the table lookup reads for `rows` rows and a leading colour:
    // every higher temperature is treated as this one.
    static qint32 highestTemperature(int rows, int leadingColor);

    // The base ramp when no calibration is kept: entry i is trunc(i / 256 * 65535).
    static GammaRamp computingIdentity();

    // The base ramp of inverted colours: entry i is trunc((1 - i / 256) * 65535).
    static GammaRamp invertedIdentity();

private:
    int effectiveLeadingColor() const;

    WhitePointTables::Table m_table;
    int m_leading_color = 1;
};
