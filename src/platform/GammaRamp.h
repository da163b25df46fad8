#pragma once

#include <QtGlobal>

#include <array>

// One monitor's gamma ramp: for each channel, the output level (0..65535) of each of the 256
// input levels.
struct GammaRamp
{
    static constexpr int kSize = 256;
    using Channel = std::array<quint16, kSize>;

    Channel red{};
    Channel green{};
    Channel blue{};

    // The ramp that leaves colours unchanged as the display stores it: entry i is i * 256.
    static GammaRamp identity()
    {
        GammaRamp ramp;
        for (int i = 0; i < kSize; ++i) {
            const auto level = static_cast<quint16>(i * 256);
            ramp.red[i] = ramp.green[i] = ramp.blue[i] = level;
        }
        return ramp;
    }

    Channel& channel(int index) { return index == 0 ? red : index == 1 ? green : blue; }
    const Channel& channel(int index) const { return index == 0 ? red : index == 1 ? green : blue; }

    bool isAllZero() const
    {
        for (int c = 0; c < 3; ++c) {
            for (quint16 level : channel(c)) {
                if (level != 0)
                    return false;
            }
        }
        return true;
    }

    bool operator==(const GammaRamp& other) const
    {
        return red == other.red && green == other.green && blue == other.blue;
    }
    bool operator!=(const GammaRamp& other) const { return !(*this == other); }
};
