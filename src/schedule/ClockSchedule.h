#pragma once

#include "schedule/InterpolationValues.h"
#include "schedule/SleepTimeline.h"
#include "schedule/TransitionType.h"

// The day/night/sleep schedule from fixed clock times. Keeps the type its last evaluation found.
class ClockSchedule
{
public:
    virtual ~ClockSchedule() = default;

    // The value of `values` at `instantMs` (ms since the epoch).
    float interpolate_at(double instantMs, ClockInterpolationValues values);

    TransitionType get() const { return m_type; }

    // How many values it has been asked for: what the update loop's cost grows with.
    int evaluations() const { return m_evaluations; }

private:
    struct NightKey
    {
        ClockTransition start;
        ClockTransition end;
        bool operator==(const NightKey& other) const
        {
            return start == other.start && end == other.end;
        }
    };

    TransitionType m_type = TransitionType::Day;
    int m_evaluations = 0;
    TimelineCache<NightKey> m_night;
    SleepTimeline m_sleep;
};
