#include "schedule/SolarSchedule.h"

#include "schedule/TransitionInterpolation.h"

SunEvents SolarSchedule::sunEventsAt(double instantMs, const SolarInterpolationValues& values)
{
    m_calculator.set(values.latitude, values.longitude, instantMs, values.time_zone_offset);
    return m_calculator.events(instantMs);
}

float SolarSchedule::moonOffsetAt(double instantMs, const SolarInterpolationValues& values)
{
    return moonOffset(moonFraction(instantMs / 1000.0), values.new_moon_offset,
                      values.full_moon_offset);
}

float SolarSchedule::interpolate_at(double instantMs, SolarInterpolationValues values)
{
    if (values.flags.force_night) {
        m_type = TransitionType::Night;
        return values.night_value;
    }
    const double t = instantMs / 1000.0;
    const SunEvents sun = sunEventsAt(instantMs, values);
    const double sunrise = sun.sunriseMs / 1000.0;
    const double sunset = sun.sunsetMs / 1000.0;
    const double offset = moonOffsetAt(instantMs, values);
    const float halfDay = static_cast<float>(values.day_transition) * 0.5f;
    const float halfNight = static_cast<float>(values.night_transition) * 0.5f;

    DayNightBoundaries bounds;
    bounds.dayBegin = sunrise - halfDay - offset;
    bounds.dayFull = sunrise + halfDay - offset;
    bounds.nightBegin = sunset - halfNight - offset;
    bounds.nightFull = sunset + halfNight - offset;
    bounds.nightAfterDay = sunset > sunrise;
    // Past the polar circles the whole date is day (the sun never sets) or night (it never
    // rises); the transitions have no sunrise or sunset to centre on.
    bounds.daylight = sun.daylight;

    const TransitionValues targets{values.day_value, values.night_value, values.sleep_value,
                                   values.flags.use_sleep != 0};
    const SleepBoundaries sleep =
        sleepBoundaries(t, values.bedtime_hours, values.bedtime_minutes, values.wake_hours,
                        values.wake_minutes, values.sleep_transition);
    return interpolateTransition(t, targets, sleep, bounds, m_type);
}
