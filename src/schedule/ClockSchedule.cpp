#include "schedule/ClockSchedule.h"

#include "schedule/TransitionInterpolation.h"

namespace {
DayNightBoundaries clockBoundaries(double t, const ClockInterpolationValues& v)
{
    const int64_t nightStart = secondsOfDay(v.night_start_hours, v.night_start_minutes);
    const int64_t nightEnd = secondsOfDay(v.night_end_hours, v.night_end_minutes);
    DayNightBoundaries bounds;
    bounds.nightFull = wallClockSeconds(t, nightStart);
    bounds.nightBegin = bounds.nightFull - v.night_transition;
    bounds.dayFull = wallClockSeconds(t, nightEnd);
    bounds.dayBegin = bounds.dayFull - v.day_transition;
    bounds.nightAfterDay = nightStart > nightEnd;
    return bounds;
}
} // namespace

float ClockSchedule::interpolate_at(double instantMs, ClockInterpolationValues values)
{
    if (values.flags.force_night) {
        m_type = TransitionType::Night;
        return values.night_value;
    }
    const double t = instantMs / 1000.0;
    const TransitionValues targets{values.day_value, values.night_value, values.sleep_value,
                                   values.flags.use_sleep != 0};
    const SleepBoundaries sleep =
        sleepBoundaries(t, values.bedtime_hours, values.bedtime_minutes, values.wake_hours,
                        values.wake_minutes, values.sleep_transition);
    return interpolateTransition(t, targets, sleep, clockBoundaries(t, values), m_type);
}
