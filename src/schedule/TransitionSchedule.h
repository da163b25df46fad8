#pragma once

#include "schedule/ClockSchedule.h"
#include "schedule/SolarSchedule.h"
#include "settings/SettingsStore.h"
#include "settings/SettingsTable.h"

#include <functional>

// Turns the settings, the location and an instant into the colour temperature and brightness
// the schedule asks for on a monitor, through the clock or the solar schedule.
class TransitionSchedule
{
public:
    // `settings` and `location` are read at every evaluation. The schedules keep the type they
    // found; without them the object uses schedules of its own.
    TransitionSchedule(const SettingsMap& settings, const Location& location,
                       ClockSchedule* clock = nullptr, SolarSchedule* solar = nullptr);

    // Every field from the settings and the location but the three values and force_night.
    static void fill_clock_interpolation_values(const SettingsMap& settings,
                                                ClockInterpolationValues& values);
    static void fill_solar_interpolation_values(const SettingsMap& settings,
                                                const Location& location,
                                                SolarInterpolationValues& values);

    // The clock schedule is used when asked for, and whenever the place is not known.
    static bool usesClockSchedule(const SettingsMap& settings, const Location& location);
    bool usesClockSchedule() const { return usesClockSchedule(m_settings, m_location); }

    // Kelvin and percent at `instantMs` for `monitor` (0: the common values).
    float temperatureAt(double instantMs, int monitor);
    float brightnessAt(double instantMs, int monitor);

    // True from 06:00 to 17:59 local time at `instantMs`, whatever the schedule.
    static bool isDay(double instantMs);

    // The type found by the schedule in use at its last evaluation.
    TransitionType transitionType() const;

    // The smart-brightness modifier (percent) added to brightness while SmartBrightness is on.
    void setSmartBrightnessModifier(std::function<int()> modifier);

    ClockSchedule& clockSchedule() { return *m_clock; }
    SolarSchedule& solarSchedule() { return *m_solar; }

private:
    float valueAt(double instantMs, int monitor, const char* const keys[3],
                  const char* forceNightKey);

    const SettingsMap& m_settings;
    const Location& m_location;
    ClockSchedule m_ownClock;
    SolarSchedule m_ownSolar;
    ClockSchedule* m_clock;
    SolarSchedule* m_solar;
    std::function<int()> m_smartBrightnessModifier;
};
