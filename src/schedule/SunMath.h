#pragma once

// The sun and moon arithmetic of the schedule, over plain numbers. Instants are milliseconds
// since the Unix epoch (UTC); local dates and times are those of the system's time zone.

// Whether the sun crosses the rise/set altitude on a date.
enum class Daylight
{
    Normal,
    PolarDay,
    PolarNight
};

struct SunEvents
{
    double sunriseMs = 0.0;
    double sunsetMs = 0.0;
    Daylight daylight = Daylight::Normal;
};

// Days from J2000 to the UTC midnight that begins the UTC date of `instantMs`.
double sunDayNumber(double instantMs);

// Milliseconds since the epoch of the Julian date `julian`, truncated to whole milliseconds.
double julianToInstantMs(double julian);

// `instantMs` moved by whole days onto the local date of `dateOfMs`.
double onLocalDateOf(double instantMs, double dateOfMs);

// Sunrise and sunset on the local date of `instantMs` at a place (degrees, north and east
// positive). Where the sun never reaches the rise/set altitude that date, or never drops below
// it, `daylight` says so and both instants are the moment of solar noon or midnight.
SunEvents sunEvents(double latitude, double longitude, double instantMs);

// The same sunrise and sunset as they happen, around the solar noon of the UTC date of
// `instantMs`: the sunset may fall on the next local date, the sunrise on the one before.
SunEvents solarDayEvents(double latitude, double longitude, double instantMs);

// Fraction of the moon's disc that is lit at `unixSeconds`: 0 at new moon, 1 at full moon.
double moonFraction(double unixSeconds);

// Seconds by which the solar boundaries move earlier at a moon phase of `fraction`.
float moonOffset(double fraction, int newMoonOffset, int fullMoonOffset);
