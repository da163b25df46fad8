#pragma once

#include "schedule/SunMath.h"
#include "schedule/TransitionType.h"

#include <cstdint>

// The three target values of a day and how to use them.
struct TransitionValues
{
    float day = 0.0f;
    float night = 0.0f;
    float sleep = 0.0f;
    bool useSleep = false;
};

// Bedtime and wake time as instants (seconds since the epoch), with the starts of their
// transitions. `bedAfterWake` compares the two as times of day.
struct SleepBoundaries
{
    double bed = 0.0;
    double bedStart = 0.0;
    double wake = 0.0;
    double wakeStart = 0.0;
    bool bedAfterWake = true;
};

// The day and night transitions as instants (seconds since the epoch). `nightAfterDay` is the
// usual case: night starts later in the day than it ends. `daylight` other than Normal makes
// the whole date day or night.
struct DayNightBoundaries
{
    double dayBegin = 0.0;
    double dayFull = 0.0;
    double nightBegin = 0.0;
    double nightFull = 0.0;
    bool nightAfterDay = true;
    Daylight daylight = Daylight::Normal;
};

// The instant (seconds since the epoch) at which the local clock shows `secondsOfDay` on the
// local date of `t`; values past a day count into the following dates. Reading the wall clock
// rather than adding seconds to midnight keeps the times right on daylight-saving days.
double wallClockSeconds(double t, int64_t secondsOfDay);

int64_t secondsOfDay(int32_t hours, int32_t minutes);

SleepBoundaries sleepBoundaries(double t, int32_t bedHours, int32_t bedMinutes, int32_t wakeHours,
                                int32_t wakeMinutes, int32_t transition);

// How far into the sleep period `t` is (0..1); `sleeping` is set when `t` falls in a row of
// the sleep period or its transitions.
double sleepFactor(const SleepBoundaries& sleep, double t, bool& sleeping);

// How far into the night `t` is (0..1), and whether that is the day or the night side.
double nightFactor(const DayNightBoundaries& bounds, double t, TransitionType& side);

// The value at `t` mixed from the day, night and sleep values; `type` is set to what was found.
float interpolateTransition(double t, const TransitionValues& values, const SleepBoundaries& sleep,
                            const DayNightBoundaries& dayNight, TransitionType& type);
