#pragma once

#include "schedule/ClockSchedule.h"
#include "schedule/SolarSchedule.h"
#include "settings/SettingsStore.h"

// The overlay's opacity and dim for an instant: between the day and the night value with the
// day/night model of the colours (the clock when asked for or while the place is not known,
// the sun otherwise). Sleep and the moon play no part.
class OverlaySchedule
{
public:
    OverlaySchedule(const SettingsMap& settings, const Location& location);

    // Percent, truncated.
    int opacity_at(double instant_ms);
    int dim_at(double instant_ms);

private:
    float value_at(double instant_ms, const char* day_key, const char* night_key,
                   const char* force_night_key);

    const SettingsMap& m_settings;
    const Location& m_location;
    ClockSchedule m_clock;
    SolarSchedule m_solar;
};
