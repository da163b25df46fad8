#include "system/ColorStep.h"

#include <algorithm>
#include <cstdlib>

namespace ColorStep {
namespace {
int closest(const std::array<int, 3>& values, int shown)
{
    int best = 0;
    for (int i = 1; i < 3; ++i) {
        if (std::abs(values[i] - shown) < std::abs(values[best] - shown))
            best = i;
    }
    return values[best];
}

int which_to_change(const std::array<int, 3>& values, int value, int phase)
{
    const int equal = static_cast<int>(std::count(values.begin(), values.end(), value));
    if (equal > 1 && phase >= Day && phase <= Sleep && values[phase] == value)
        return phase;
    return static_cast<int>(std::find(values.begin(), values.end(), value) - values.begin());
}
} // namespace

Result step(const std::array<int, 3>& values, int shown, int delta, int phase, Limits limits)
{
    Result result;
    if (delta == 0)
        return result;
    const int value = closest(values, shown);
    if ((delta > 0 && value >= limits.highest) || (delta < 0 && value <= limits.lowest))
        return result;
    result.which = which_to_change(values, value, phase);
    result.value = delta > 0 ? std::min(value + delta, limits.highest)
                             : std::max(value + delta, limits.lowest);
    return result;
}

} // namespace ColorStep
