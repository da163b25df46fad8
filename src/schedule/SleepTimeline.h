#pragma once

#include "schedule/TimelineCache.h"
#include "schedule/TransitionInterpolation.h"

// The sleep period from bedtime to wake time, with the transitions that end at each, as one
// continuous factor: 0 awake, 1 asleep. A period that reaches across midnight glides through it.
class SleepTimeline
{
public:
    // How far into the sleep period `t` (seconds since the epoch) is.
    double factorAt(double t, const ClockTransition& bedtime, const ClockTransition& wake);

private:
    struct Key
    {
        ClockTransition bedtime;
        ClockTransition wake;
        bool operator==(const Key& other) const
        {
            return bedtime == other.bedtime && wake == other.wake;
        }
    };
    TimelineCache<Key> m_cache;
};
