#pragma once

#include "Singleton.h"
#include "schedule/ClockSchedule.h"

// The clock schedule as the program's service: "now" is the platform clock's.
class ClockPosition : public ClockSchedule, public Singleton<ClockPosition>
{
public:
    ClockPosition() = default;

    // The value of `values` now.
    float interpolate_now(ClockInterpolationValues values);
};
