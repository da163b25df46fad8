#pragma once

#include "schedule/InterpolationValues.h"
#include "schedule/TransitionType.h"

// The day/night/sleep schedule from fixed clock times. Keeps the type its last evaluation found.
class ClockSchedule
{
public:
    virtual ~ClockSchedule() = default;

    // The value of `values` at `instantMs` (ms since the epoch).
    float interpolate_at(double instantMs, ClockInterpolationValues values);

    TransitionType get() const { return m_type; }

private:
    TransitionType m_type = TransitionType::Day;
};
