#include "color/ColorRamp.h"

#include <algorithm>
#include <cmath>

namespace {
quint16 scaled(quint16 level, double brightness, float multiplier, float gamma)
{
    const double x = (level / 65535.0) * brightness * static_cast<double>(multiplier);
    float y = static_cast<float>(std::pow(x, 1.0 / static_cast<double>(gamma)));
    if (y > 1.0f)
        y = 1.0f;
    return static_cast<quint16>(static_cast<int>(y * 65535.0f));
}

float interpolated(const float* table, int index, int nextRowIndex, float weight)
{
    const double f = static_cast<double>(weight);
    return static_cast<float>(static_cast<double>(table[index]) * (1.0 - f) +
                              static_cast<double>(table[nextRowIndex]) * f);
}
} // namespace

ColorRamp::ColorRamp() : m_table(WhitePointTables::forScheme(1))
{
}

void ColorRamp::select_scheme(int scheme)
{
    m_table = WhitePointTables::forScheme(scheme);
}

void ColorRamp::set_leading_color(int offset)
{
    m_leading_color = offset;
}

int ColorRamp::effectiveLeadingColor() const
{
    // Other offsets would read outside the table.
    return m_leading_color == 2 || m_leading_color == 3 ? m_leading_color : 1;
}

qint32 ColorRamp::highestTemperature(int rows, int leadingColor)
{
    // The lookup reads the flat table up to index 3k + leadingColor + 4, which must stay
    // below 3 * rows. Above the last row it can read, the temperature is clamped so that the
    // colours stay continuous instead of jumping.
    const int lastRow = (3 * rows - 5 - leadingColor) / 3;
    return lastRow * 100 + 99;
}

ChannelMultipliers ColorRamp::multipliers(qint32 temperature) const
{
    const int leading = effectiveLeadingColor();
    const qint32 t = std::clamp(temperature, 0, highestTemperature(m_table.rows, leading));
    const int k = t / 100;
    const float f = static_cast<float>((t % 100) / 100.0);
    const int i = 3 * k + leading;
    const float* tab = m_table.values;
    return {interpolated(tab, i - 1, i + 2, f), interpolated(tab, i, i + 3, f),
            interpolated(tab, i + 1, i + 4, f)};
}

void ColorRamp::apply(quint16* red, quint16* green, quint16* blue, int count,
                      const RampSettings& settings) const
{
    const ChannelMultipliers m = multipliers(settings.temperature);
    const double brightness = static_cast<double>(settings.brightness);
    for (int j = 0; j < count; ++j) {
        red[j] = scaled(red[j], brightness, m.red, settings.gamma_red);
        green[j] = scaled(green[j], brightness, m.green, settings.gamma_green);
        blue[j] = scaled(blue[j], brightness, m.blue, settings.gamma_blue);
    }
}

void ColorRamp::apply(GammaRamp& ramp, const RampSettings& settings) const
{
    apply(ramp.red.data(), ramp.green.data(), ramp.blue.data(), GammaRamp::kSize, settings);
}

GammaRamp ColorRamp::computingIdentity()
{
    GammaRamp ramp;
    for (int i = 0; i < GammaRamp::kSize; ++i) {
        const auto level = static_cast<quint16>(i / 256.0 * 65535);
        ramp.red[i] = ramp.green[i] = ramp.blue[i] = level;
    }
    return ramp;
}

GammaRamp ColorRamp::invertedIdentity()
{
    GammaRamp ramp;
    for (int i = 0; i < GammaRamp::kSize; ++i) {
        const auto level = static_cast<quint16>(std::min((1.0 - i / 256.0) * 65535, 65535.0));
        ramp.red[i] = ramp.green[i] = ramp.blue[i] = level;
    }
    return ramp;
}
