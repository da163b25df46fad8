#include "schedule/TransitionSchedule.h"

#include <QDateTime>

#include <cmath>

namespace {
const char* const kTemperatureKeys[3] = {"DayTemperature", "NightTemperature", "SleepLight"};
const char* const kBrightnessKeys[3] = {"DayBrightness", "NightBrightness", "SleepBrightness"};

int32_t intSetting(const SettingsMap& settings, const char* key)
{
    return settings.value(QLatin1String(key)).toInt();
}

bool boolSetting(const SettingsMap& settings, const char* key)
{
    return settings.value(QLatin1String(key)).toBool();
}

float monitorValue(const SettingsMap& settings, const char* key, int monitor)
{
    return static_cast<float>(
        settings.value(SettingsTable::monitorKey(QLatin1String(key), monitor)).toInt());
}

// A place the sun can be computed for. Coordinates that are not numbers or lie off the globe
// (a hand-edited store) count as unknown, like -1, so that they never reach a colour as NaN.
bool isKnownPlace(const Location& location)
{
    return location.latitude != -1.0 && location.longitude != -1.0 &&
           std::isfinite(location.latitude) && std::isfinite(location.longitude) &&
           std::fabs(location.latitude) <= 90.0 && std::fabs(location.longitude) <= 180.0;
}

template <typename Values> void fillSleep(const SettingsMap& settings, Values& values)
{
    values.bedtime_hours = intSetting(settings, "BedtimeHours");
    values.bedtime_minutes = intSetting(settings, "BedtimeMinutes");
    values.wake_hours = intSetting(settings, "WakeTimeHours");
    values.wake_minutes = intSetting(settings, "WakeTimeMinutes");
    values.flags.use_sleep = boolSetting(settings, "UseSleepLight") ? 1 : 0;
    values.day_transition = intSetting(settings, "DayTransitionDuration");
    values.night_transition = intSetting(settings, "NightTransitionDuration");
    values.sleep_transition = intSetting(settings, "SleepTransitionDuration");
}

template <typename Values>
void fillTargets(const SettingsMap& settings, int monitor, const char* const keys[3],
                 const char* forceNightKey, Values& values)
{
    values.day_value = monitorValue(settings, keys[0], monitor);
    values.night_value = monitorValue(settings, keys[1], monitor);
    values.sleep_value = monitorValue(settings, keys[2], monitor);
    values.flags.force_night = boolSetting(settings, forceNightKey) ? 1 : 0;
}
} // namespace

TransitionSchedule::TransitionSchedule(const SettingsMap& settings, const Location& location,
                                       ClockSchedule* clock, SolarSchedule* solar)
    : m_settings(settings), m_location(location), m_clock(clock ? clock : &m_ownClock),
      m_solar(solar ? solar : &m_ownSolar), m_smartBrightnessModifier([] { return 0; })
{
}

void TransitionSchedule::fill_clock_interpolation_values(const SettingsMap& settings,
                                                         ClockInterpolationValues& values)
{
    values.night_start_hours = intSetting(settings, "NightStartTimeHours");
    values.night_start_minutes = intSetting(settings, "NightStartTimeMinutes");
    values.night_end_hours = intSetting(settings, "NightEndTimeHours");
    values.night_end_minutes = intSetting(settings, "NightEndTimeMinutes");
    fillSleep(settings, values);
}

void TransitionSchedule::fill_solar_interpolation_values(const SettingsMap& settings,
                                                         const Location& location,
                                                         SolarInterpolationValues& values)
{
    values.latitude = static_cast<float>(location.latitude);
    values.longitude = static_cast<float>(location.longitude);
    fillSleep(settings, values);
    values.time_zone_offset = intSetting(settings, "TimeZoneOffset");
    values.new_moon_offset = intSetting(settings, "NewMoonOffset");
    values.full_moon_offset = intSetting(settings, "FullMoonOffset");
}

bool TransitionSchedule::usesClockSchedule(const SettingsMap& settings, const Location& location)
{
    return boolSetting(settings, "UseManualNightDuration") || !isKnownPlace(location);
}

float TransitionSchedule::valueAt(double instantMs, int monitor, const char* const keys[3],
                                  const char* forceNightKey)
{
    if (usesClockSchedule()) {
        ClockInterpolationValues values;
        fill_clock_interpolation_values(m_settings, values);
        fillTargets(m_settings, monitor, keys, forceNightKey, values);
        return m_clock->interpolate_at(instantMs, values);
    }
    SolarInterpolationValues values;
    fill_solar_interpolation_values(m_settings, m_location, values);
    fillTargets(m_settings, monitor, keys, forceNightKey, values);
    return m_solar->interpolate_at(instantMs, values);
}

float TransitionSchedule::temperatureAt(double instantMs, int monitor)
{
    return valueAt(instantMs, monitor, kTemperatureKeys, "UseManualColorSettings");
}

float TransitionSchedule::brightnessAt(double instantMs, int monitor)
{
    float brightness = valueAt(instantMs, monitor, kBrightnessKeys, "UseManualBrightness");
    if (boolSetting(m_settings, "SmartBrightness"))
        brightness += static_cast<float>(m_smartBrightnessModifier());
    return brightness;
}

bool TransitionSchedule::isDay(double instantMs)
{
    const int hour = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(instantMs)).time().hour();
    return hour >= 6 && hour <= 17;
}

TransitionType TransitionSchedule::transitionType() const
{
    return usesClockSchedule() ? m_clock->get() : m_solar->get();
}

void TransitionSchedule::setSmartBrightnessModifier(std::function<int()> modifier)
{
    m_smartBrightnessModifier = modifier ? std::move(modifier) : [] { return 0; };
}
