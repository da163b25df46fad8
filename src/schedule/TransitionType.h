#pragma once

#include <cstdint>

// Which part of the day a schedule found at its last evaluation.
enum class TransitionType : int32_t
{
    Day = 0,
    Night = 1,
    Sleep = 2
};
