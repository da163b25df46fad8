#include "color/ChannelCurves.h"

#include <algorithm>
#include <cmath>

bool ChannelCurves::is_identity() const
{
    return *this == ChannelCurves();
}

ChannelCurves ChannelCurves::compose(const ChannelCurves& first, const ChannelCurves& then)
{
    ChannelCurves result;
    for (int c = 0; c < 3; ++c) {
        result.scale[c] = then.scale[c] * first.scale[c];
        result.offset[c] = then.scale[c] * first.offset[c] + then.offset[c];
    }
    return result;
}

bool ChannelCurves::from_matrix(const ColorMatrix& matrix, ChannelCurves& out)
{
    // Rows weigh the input channels, columns are the output channels: a channel that takes
    // anything from another (or from alpha) needs the whole picture.
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (row != column && matrix.at(row, column) != 0.0f)
                return false;
        }
    }
    for (int c = 0; c < 3; ++c) {
        out.scale[c] = matrix.at(c, c);
        out.offset[c] = matrix.at(4, c);
    }
    return true;
}

ChannelCurves ChannelCurves::layer(int red, int green, int blue, float alpha)
{
    const float a = std::clamp(alpha, 0.0f, 1.0f);
    const int colour[3] = {red, green, blue};
    ChannelCurves result;
    for (int c = 0; c < 3; ++c) {
        result.scale[c] = 1.0f - a;
        result.offset[c] = a * static_cast<float>(std::clamp(colour[c], 0, 255)) / 255.0f;
    }
    return result;
}

GammaRamp ChannelCurves::applied_before(const GammaRamp& ramp) const
{
    constexpr int kLast = GammaRamp::kSize - 1;
    GammaRamp result;
    for (int c = 0; c < 3; ++c) {
        const GammaRamp::Channel& source = ramp.channel(c);
        GammaRamp::Channel& target = result.channel(c);
        for (int i = 0; i < GammaRamp::kSize; ++i) {
            const float level = std::clamp(scale[c] * i / kLast + offset[c], 0.0f, 1.0f);
            const float position = level * kLast;
            const int below = static_cast<int>(std::floor(position));
            const int above = std::min(below + 1, kLast);
            const float weight = position - static_cast<float>(below);
            target[i] = static_cast<quint16>(
                std::lround(source[below] + (source[above] - source[below]) * weight));
        }
    }
    return result;
}
