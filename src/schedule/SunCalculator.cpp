#include "schedule/SunCalculator.h"

void SunCalculator::set(double latitude, double longitude, double instantMs, int32_t timeZoneOffset)
{
    m_latitude = latitude;
    m_longitude = longitude;
    m_julianDate = instantMs / 1000.0 / 86400.0 + 2440587.5;
    m_timeZoneOffset = timeZoneOffset;
}

SunEvents SunCalculator::events(double instantMs) const
{
    return sunEvents(m_latitude, m_longitude, instantMs);
}
