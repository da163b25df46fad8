#pragma once

#include <array>

// One step of a temperature or brightness shortcut: which of the day, night and sleep values
// changes, and to what.
namespace ColorStep {

enum Which
{
    None = -1,
    Day = 0,
    Night = 1,
    Sleep = 2,
};

struct Result
{
    int which = None;
    int value = 0;
};

// The values a step keeps within: 0 ... 6500 K for temperature, 5 ... 100 % for brightness.
struct Limits
{
    int lowest;
    int highest;
};

constexpr Limits kTemperature{0, 6500};
constexpr Limits kBrightness{5, 100};

// The value closest to `shown` among `values` (day, night, sleep; day before night before
// sleep on equal distance) moves by `delta` within `limits`. When several values are that
// close value, the one of the current phase (`phase`: 0 day, 1 night, 2 sleep) moves if it is
// among them, else the first of them. None for a zero delta or a value already at its limit.
Result step(const std::array<int, 3>& values, int shown, int delta, int phase, Limits limits);

} // namespace ColorStep
