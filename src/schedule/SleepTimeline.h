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

    // The value at `t` of a record of either schedule, given how far into the night `t` is:
    // the sleep period (when the record uses it) added, and the three values mixed.
    template <typename Values>
    float mixValues(double t, const Values& values, TransitionFactors factors, TransitionType& type)
    {
        if (values.flags.use_sleep) {
            factors.sleep =
                factorAt(t, {values.bedtime_hours, values.bedtime_minutes, values.sleep_transition},
                         {values.wake_hours, values.wake_minutes, values.sleep_transition});
        }
        const TransitionValues targets{values.day_value, values.night_value, values.sleep_value,
                                       values.flags.use_sleep != 0};
        return mixTransitionValues(targets, factors, type);
    }

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
