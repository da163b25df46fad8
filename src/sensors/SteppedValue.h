#pragma once

// The sensors pass their measurements on gently: a value follows its target by half a unit
// per step and rests once it is within one unit of it.
inline float step_toward(float current, float target)
{
    if (current < target - 1.0f)
        return current + 0.5f;
    if (current > target + 1.0f)
        return current - 0.5f;
    return current;
}
