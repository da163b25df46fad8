#include "schedule/ClockSchedule.h"

float ClockSchedule::interpolate_at(double instantMs, ClockInterpolationValues values)
{
    ++m_evaluations;
    if (values.flags.force_night) {
        m_type = TransitionType::Night;
        return values.night_value;
    }
    const double t = instantMs / 1000.0;
    // The night transition ends at the night's start, the day transition at its end.
    const NightKey night{
        {values.night_start_hours, values.night_start_minutes, values.night_transition},
        {values.night_end_hours, values.night_end_minutes, values.day_transition}};
    const TransitionTimeline& timeline = m_night.forLocalDate(
        t, night, [&](const QDate& date) { return clockTimeline(date, night.start, night.end); });
    TransitionFactors factors;
    factors.night = timeline.factorAt(t);
    factors.nightSide = timeline.risingAt(t);
    return m_sleep.mixValues(t, values, factors, m_type);
}
