#include "screens/OverlaySchedule.h"

#include "schedule/TransitionSchedule.h"

namespace {
template <typename Values>
void fill_values(const SettingsMap& settings, const char* day_key, const char* night_key,
                 const char* force_night_key, Values& values)
{
    values.day_value = settings.value(QLatin1String(day_key)).toFloat();
    values.night_value = settings.value(QLatin1String(night_key)).toFloat();
    values.sleep_value = values.night_value;
    values.flags.use_sleep = 0;
    values.flags.force_night = settings.value(QLatin1String(force_night_key)).toBool() ? 1 : 0;
}
} // namespace

OverlaySchedule::OverlaySchedule(const SettingsMap& settings, const Location& location)
    : m_settings(settings), m_location(location)
{
}

float OverlaySchedule::value_at(double instant_ms, const char* day_key, const char* night_key,
                                const char* force_night_key)
{
    if (TransitionSchedule::usesClockSchedule(m_settings, m_location)) {
        ClockInterpolationValues values;
        TransitionSchedule::fill_clock_interpolation_values(m_settings, values);
        fill_values(m_settings, day_key, night_key, force_night_key, values);
        return m_clock.interpolate_at(instant_ms, values);
    }
    SolarInterpolationValues values;
    TransitionSchedule::fill_solar_interpolation_values(m_settings, m_location, values);
    values.new_moon_offset = 0;
    values.full_moon_offset = 0;
    fill_values(m_settings, day_key, night_key, force_night_key, values);
    return m_solar.interpolate_at(instant_ms, values);
}

int OverlaySchedule::opacity_at(double instant_ms)
{
    return static_cast<int>(
        value_at(instant_ms, "DayOpacity", "NightOpacity", "UseManualColorSettings"));
}

int OverlaySchedule::dim_at(double instant_ms)
{
    return static_cast<int>(value_at(instant_ms, "DayDim", "NightDim", "UseManualBrightness"));
}
