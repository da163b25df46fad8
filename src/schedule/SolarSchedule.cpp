#include "schedule/SolarSchedule.h"

#include "schedule/LocalTime.h"
#include "schedule/TransitionInterpolation.h"

namespace {
constexpr int kWindowDays = 2; // dates on each side of the one asked about
constexpr size_t kKeptSunDays = 16;
// The instant a date's sun events are asked for: the one kavoctl sun shows for the date.
constexpr int64_t kNoonMs = 12 * 3600000;

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

SunEvents SolarSchedule::sunOn(const QDate& date, const Place& place)
{
    for (const SunDay& known : m_sunDays) {
        if (known.date == date && known.place == place)
            return known.events;
    }
    if (m_sunDays.size() >= kKeptSunDays)
        m_sunDays.erase(m_sunDays.begin());
    // The date's sunrise as it is shown for the date (kavoctl sun, the times text); its sunset
    // follows it by the day's length, also where that is past midnight: a night never goes
    // missing between two dates.
    const double noon = LocalTime::instantAt(date, kNoonMs);
    SunEvents sun = solarDayEvents(place.latitude, place.longitude, noon);
    const double sunrise = onLocalDateOf(sun.sunriseMs, noon);
    sun.sunsetMs += sunrise - sun.sunriseMs;
    sun.sunriseMs = sunrise;
    m_sunDays.push_back({date, place, sun});
    return m_sunDays.back().events;
}

// The sunrises and sunsets of the dates around `date`, each date's own, so that every value
// comes from the sun events of its date and the transitions still glide from one date into
// the next. A polar night has neither. A polar day
// has none either, except next to a date with a real night: there the sun's lowest point
// (solar midnight) stands for the sunrise or sunset, so that the short nights before it shrink
// into it and the polar day begins and ends without a jump.
TransitionTimeline SolarSchedule::dayNightTimeline(const QDate& date, const NightKey& key)
{
    const double halfDay = static_cast<float>(transitionSeconds(key.dayTransition)) * 0.5f;
    const double halfNight = static_cast<float>(transitionSeconds(key.nightTransition)) * 0.5f;
    std::vector<Transition> transitions;
    for (int offset = -kWindowDays; offset <= kWindowDays; ++offset) {
        const QDate around = date.addDays(offset);
        const SunEvents sun = sunOn(around, key.place);
        if (sun.daylight == Daylight::PolarNight)
            continue;
        const bool polarDay = sun.daylight == Daylight::PolarDay;
        if (!polarDay || sunOn(around.addDays(-1), key.place).daylight != Daylight::PolarDay)
            transitions.push_back(centredOn(sun.sunriseMs, halfDay, false));
        if (!polarDay || sunOn(around.addDays(1), key.place).daylight != Daylight::PolarDay)
            transitions.push_back(centredOn(sun.sunsetMs, halfNight, true));
    }
    const bool polarNight = sunOn(date, key.place).daylight == Daylight::PolarNight;
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
    const TransitionTimeline& timeline = m_night.forLocalDate(
        shifted, key, [&](const QDate& date) { return dayNightTimeline(date, key); });
    TransitionFactors factors;
    factors.night = timeline.factorAt(shifted);
    factors.nightSide = timeline.risingAt(shifted);
    return m_sleep.mixValues(t, values, factors, m_type);
}
