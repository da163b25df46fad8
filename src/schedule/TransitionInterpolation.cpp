#include "schedule/TransitionInterpolation.h"

#include "schedule/LocalTime.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int64_t kSecondsPerDay = 86400;

// From 0 at `from` to 1 at `to`.
double rising(double from, double to, double t)
{
    return (from - t) / (from - to);
}

double clampUnit(double factor)
{
    return std::clamp(factor, 0.0, 1.0);
}
} // namespace

int64_t secondsOfDay(int32_t hours, int32_t minutes)
{
    return static_cast<int64_t>(hours) * 3600 + static_cast<int64_t>(minutes) * 60;
}

double wallClockSeconds(double t, int64_t seconds)
{
    return LocalTime::instantAt(LocalTime::dateOf(t * 1000.0), seconds * 1000) / 1000.0;
}

SleepBoundaries sleepBoundaries(double t, int32_t bedHours, int32_t bedMinutes, int32_t wakeHours,
                                int32_t wakeMinutes, int32_t transition)
{
    int64_t bed = secondsOfDay(bedHours, bedMinutes);
    int64_t wake = secondsOfDay(wakeHours, wakeMinutes);
    // A transition that would start before midnight belongs to the next night.
    if (bed - transition < 0)
        bed += kSecondsPerDay;
    if (wake - transition < 0)
        wake += kSecondsPerDay;
    SleepBoundaries bounds;
    bounds.bed = wallClockSeconds(t, bed);
    bounds.bedStart = bounds.bed - transition;
    bounds.wake = wallClockSeconds(t, wake);
    bounds.wakeStart = bounds.wake - transition;
    bounds.bedAfterWake = bed > wake;
    return bounds;
}

// The rows are tried in order and the first match wins. The rows that reach a full value
// include their boundary instant, so the exact end of a transition gets the value it ends at.
double sleepFactor(const SleepBoundaries& s, double t, bool& sleeping)
{
    sleeping = true;
    if (s.bedAfterWake ? t >= s.bed : s.bed <= t && t <= s.wakeStart)
        return 1.0;
    if (s.bedStart < t && t < s.bed)
        return rising(s.bedStart, s.bed, t);
    if (t > s.wake) {
        sleeping = false;
        return 0.0;
    }
    if (s.wakeStart < t && t < s.wake)
        return 1.0 - rising(s.wakeStart, s.wake, t);
    // Before the wake-up transition of a sleep period that began the evening before.
    if (s.bedAfterWake && t <= s.wakeStart)
        return 1.0;
    sleeping = false; // exactly at wake time, or outside the sleep period
    return 0.0;
}

double nightFactor(const DayNightBoundaries& b, double t, TransitionType& side)
{
    if (b.daylight != Daylight::Normal) {
        side = b.daylight == Daylight::PolarNight ? TransitionType::Night : TransitionType::Day;
        return side == TransitionType::Night ? 1.0 : 0.0;
    }
    const bool inNightTransition = b.nightBegin < t && t < b.nightFull;
    const bool inDayTransition = b.dayBegin < t && t < b.dayFull;
    if (b.nightAfterDay) {
        if (t >= b.nightFull || inNightTransition) {
            side = TransitionType::Night;
            return inNightTransition ? rising(b.nightBegin, b.nightFull, t) : 1.0;
        }
        if (t >= b.dayFull || inDayTransition) {
            side = TransitionType::Day;
            return inDayTransition ? 1.0 - rising(b.dayBegin, b.dayFull, t) : 0.0;
        }
        if (t < b.dayBegin)
            side = TransitionType::Night;
        return 1.0;
    }
    if (t >= b.dayFull || inDayTransition) {
        side = TransitionType::Day;
        return inDayTransition ? 1.0 - rising(b.dayBegin, b.dayFull, t) : 0.0;
    }
    if (t >= b.nightFull || inNightTransition) {
        side = TransitionType::Night;
        return inNightTransition ? rising(b.nightBegin, b.nightFull, t) : 1.0;
    }
    if (t < b.nightBegin)
        side = TransitionType::Day;
    return 0.0;
}

float interpolateTransition(double t, const TransitionValues& values, const SleepBoundaries& sleep,
                            const DayNightBoundaries& dayNight, TransitionType& type)
{
    // Every evaluation starts from Day, so the reported type goes back to Day or Night once
    // the sleep period (with its wake-up transition) is over: the page and the shortcuts show
    // the type, and a Sleep that outlived the night would mislead them.
    type = TransitionType::Day;
    double sleepPart = 0.0;
    if (values.useSleep) {
        bool sleeping = false;
        sleepPart = clampUnit(sleepFactor(sleep, t, sleeping));
        if (sleeping)
            type = TransitionType::Sleep;
    }
    if (sleepPart == 1.0)
        return values.sleep;

    TransitionType side = type;
    const float nightPart = static_cast<float>(clampUnit(nightFactor(dayNight, t, side)));
    if (type != TransitionType::Sleep)
        type = side;
    const float mixed = (1.0f - nightPart) * values.day + nightPart * values.night;
    if (sleepPart > 0.0) {
        const float s = static_cast<float>(sleepPart);
        return (1.0f - s) * mixed + s * values.sleep;
    }
    return mixed;
}
