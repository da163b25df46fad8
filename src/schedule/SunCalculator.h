#pragma once

#include "schedule/SunMath.h"

#include <cstdint>

// Sunrise and sunset for one place, set before every use from the caller's values.
class SunCalculator
{
public:
    // Sets the place and the instant asked about (and the custom time-zone offset, which is
    // kept for the information text: the arithmetic uses the system's time zone).
    void set(double latitude, double longitude, double instantMs, int32_t timeZoneOffset);

    // Sunrise and sunset on the local date of `instantMs` at the place set.
    SunEvents events(double instantMs) const;

    double latitude() const { return m_latitude; }
    double longitude() const { return m_longitude; }
    double julianDate() const { return m_julianDate; }
    int32_t timeZoneOffset() const { return m_timeZoneOffset; }

private:
    double m_latitude = 0.0;
    double m_longitude = 0.0;
    double m_julianDate = 0.0;
    int32_t m_timeZoneOffset = 0;
};
