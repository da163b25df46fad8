#include "schedule/SolarSchedule.h"

#include "schedule/TransitionInterpolation.h"

namespace {
constexpr int kWindowDays = 2; // dates on each side of the one asked about
constexpr size_t kKeptSunDays = 16;
constexpr double kMsPerDay = 86400000.0;

Transition centredOn(double eventMs, double halfSeconds, bool rising)
{
    Transition transition;
    transition.event = eventMs / 1000.0;
    transition.begin = transition.event - halfSeconds;
    transition.end = transition.event + halfSeconds;
    transition.rising = rising;
    return transition;
}
} // namespace

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

SunEvents SolarSchedule::sunOn(qint64 day, const Place& place)
{
    for (const SunDay& known : m_sunDays) {
        if (known.day == day && known.place == place)
            return known.events;
    }
    if (m_sunDays.size() >= kKeptSunDays)
        m_sunDays.erase(m_sunDays.begin());
    const double noon = (static_cast<double>(day) + 0.5) * kMsPerDay;
    m_sunDays.push_back({day, place, solarDayEvents(place.latitude, place.longitude, noon)});
    return m_sunDays.back().events;
}

// The sunrises and sunsets of the days around `day`, as they happen. A polar night has
// neither. A polar day has none either, except next to a date with a real night: there the
// sun's lowest point (solar midnight) stands for the sunrise or sunset, so that the short
// nights before it shrink into it and the polar day begins and ends without a jump.
TransitionTimeline SolarSchedule::dayNightTimeline(qint64 day, const NightKey& key)
{
    const double halfDay = static_cast<float>(transitionSeconds(key.dayTransition)) * 0.5f;
    const double halfNight = static_cast<float>(transitionSeconds(key.nightTransition)) * 0.5f;
    std::vector<Transition> transitions;
    for (qint64 d = day - kWindowDays; d <= day + kWindowDays; ++d) {
        const SunEvents sun = sunOn(d, key.place);
        if (sun.daylight == Daylight::PolarNight)
            continue;
        const bool polarDay = sun.daylight == Daylight::PolarDay;
        if (!polarDay || sunOn(d - 1, key.place).daylight != Daylight::PolarDay)
            transitions.push_back(centredOn(sun.sunriseMs, halfDay, false));
        if (!polarDay || sunOn(d + 1, key.place).daylight != Daylight::PolarDay)
            transitions.push_back(centredOn(sun.sunsetMs, halfNight, true));
    }
    const bool polarNight = sunOn(day, key.place).daylight == Daylight::PolarNight;
    return TransitionTimeline(std::move(transitions), polarNight ? 1.0 : 0.0);
}

float SolarSchedule::interpolate_at(double instantMs, SolarInterpolationValues values)
{
    ++m_evaluations;
    if (values.flags.force_night) {
        m_type = TransitionType::Night;
        return values.night_value;
    }
    const double t = instantMs / 1000.0;
    // Every boundary moves earlier by the moon offset: the same as asking later.
    const double shifted = t + moonOffsetAt(instantMs, values);
    const NightKey key{
        {values.latitude, values.longitude}, values.day_transition, values.night_transition};
    const TransitionTimeline& timeline =
        m_night.forUtcDay(shifted, key, [&](qint64 day) { return dayNightTimeline(day, key); });
    TransitionFactors factors;
    factors.night = timeline.factorAt(shifted);
    factors.nightSide = timeline.risingAt(shifted);
    return m_sleep.mixValues(t, values, factors, m_type);
}
