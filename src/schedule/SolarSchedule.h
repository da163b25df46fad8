#pragma once

#include "schedule/InterpolationValues.h"
#include "schedule/SunCalculator.h"
#include "schedule/TransitionType.h"

// The day/night/sleep schedule from the sun at the user's place, with transitions centred on
// sunrise and sunset and moved earlier by the moon-phase offset. Keeps the type its last
// evaluation found.
class SolarSchedule
{
public:
    virtual ~SolarSchedule() = default;

    // The value of `values` at `instantMs` (ms since the epoch).
    float interpolate_at(double instantMs, SolarInterpolationValues values);

    // Sunrise and sunset on the local date of `instantMs` at the place of `values`.
    SunEvents sunEventsAt(double instantMs, const SolarInterpolationValues& values);

    // The moon offset (seconds) at `instantMs` with the offsets of `values`.
    static float moonOffsetAt(double instantMs, const SolarInterpolationValues& values);

    TransitionType get() const { return m_type; }

    SunCalculator& calculator() { return m_calculator; }

private:
    SunCalculator m_calculator;
    TransitionType m_type = TransitionType::Day;
};
