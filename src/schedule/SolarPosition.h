#pragma once

#include "Singleton.h"
#include "schedule/SolarSchedule.h"

#include <QString>

// The solar schedule as the program's service: "now" is the platform clock's.
class SolarPosition : public SolarSchedule, public Singleton<SolarPosition>
{
public:
    SolarPosition() = default;

    // The value of `values` now.
    float interpolate_now(SolarInterpolationValues values);

    // Sunrise and sunset (ms since the epoch) on the local date of `instant`; -1 means now.
    static double sunrise(SunCalculator& calculator, double instant);
    static double sunset(SunCalculator& calculator, double instant);

    static double moon_fraction(double unixSeconds);

    // The moon offset now, as a duration.
    static QString moon_offset_text(int newMoonOffset, int fullMoonOffset);

    // Today's length of daylight at the place of `values`, as a duration.
    QString day_length_text(SolarInterpolationValues values);

    // -1 stands for the current time.
    static double resolveInstant(double instant);
};
