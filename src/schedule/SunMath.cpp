#include "schedule/SunMath.h"

#include "schedule/LocalTime.h"

#include <QDateTime>

#include <cmath>

namespace {
constexpr double kRadians = 0.017453292519943295;
constexpr double kTwoPi = 2.0 * M_PI;
constexpr double kMsPerDay = 86400000.0;
constexpr double kJ2000 = 2451545.0;
constexpr double kJ1970 = 2440588.0;
constexpr double kTransitCorrection = 0.0009;
constexpr double kObliquity = 0.40909994067971484;
constexpr double kPerihelion = 1.796593062783907;
constexpr double kRiseSetAltitude = -0.014538592669112765;

// Reduces `degrees` modulo 360 keeping its sign, as the moon formulas expect.
double truncatedModulo360(double degrees)
{
    return degrees - std::trunc(degrees / 360.0) * 360.0;
}

double sinDegrees(double degrees)
{
    return std::sin(degrees * kRadians);
}

double plus360IfNegative(double degrees)
{
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

// The sun's true ecliptic longitude in degrees, `days` after the 1980 epoch.
double sunLongitude(double days)
{
    constexpr double kEccentricity = 0.016718;
    const double meanAnomaly =
        plus360IfNegative(truncatedModulo360(0.9856473320990837 * days) - 3.762863) * kRadians;
    double eccentric = meanAnomaly;
    // Kepler's equation converges in a handful of steps; the cap only guards odd inputs.
    for (int step = 0; step < 100; ++step) {
        const double delta = eccentric - kEccentricity * std::sin(eccentric) - meanAnomaly;
        if (!(std::fabs(delta) >= 1e-12))
            break;
        eccentric -= delta / (1.0 - kEccentricity * std::cos(eccentric));
    }
    const double trueAnomaly =
        std::atan(1.01686011182 * std::tan(eccentric / 2.0)) * 114.59155902616465;
    return truncatedModulo360(trueAnomaly + 282.596403);
}

double moonLongitude(double days, double sunLongitudeDegrees)
{
    const double meanLongitude =
        plus360IfNegative(truncatedModulo360(13.176396 * days + 64.975464));
    const double sunAnomaly = plus360IfNegative(0.985647332099 * days - 3.762863);
    const double meanAnomaly = truncatedModulo360(meanLongitude - 0.1114041 * days - 349.383063);
    const double evection =
        1.2739 * sinDegrees(2.0 * (meanLongitude - sunLongitudeDegrees) - meanAnomaly);
    const double annual = 0.1858 * sinDegrees(sunAnomaly);
    const double correctedAnomaly = meanAnomaly + evection - annual - 0.37 * sinDegrees(sunAnomaly);
    const double corrected = meanLongitude + evection + 6.2886 * sinDegrees(correctedAnomaly) -
                             annual + 0.214 * sinDegrees(2.0 * correctedAnomaly);
    return corrected + 0.6583 * sinDegrees(2.0 * (corrected - sunLongitudeDegrees));
}
} // namespace

double sunDayNumber(double instantMs)
{
    const qint64 wholeDays = static_cast<qint64>(instantMs) / 86400000;
    return static_cast<double>(wholeDays) - 0.5 + kJ1970 - kJ2000;
}

double julianToInstantMs(double julian)
{
    return std::trunc((julian + 0.5 - kJ1970) * kMsPerDay);
}

double onLocalDateOf(double instantMs, double dateOfMs)
{
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(instantMs));
    const QDate date = LocalTime::dateOf(dateOfMs);
    const qint64 days = local.date().daysTo(date);
    if (days == 0)
        return instantMs;
    // Moved by whole days of 24 hours: from one day to the next the sun keeps its UTC time,
    // not its local one, which jumps by an hour across a daylight-saving change.
    const double moved = instantMs + static_cast<double>(days) * kMsPerDay;
    if (LocalTime::dateOf(moved) == date)
        return moved;
    return LocalTime::instantAt(date, local.time().msecsSinceStartOfDay());
}

SunEvents sunEvents(double latitude, double longitude, double instantMs)
{
    SunEvents events = solarDayEvents(latitude, longitude, instantMs);
    events.sunriseMs = onLocalDateOf(events.sunriseMs, instantMs);
    events.sunsetMs = onLocalDateOf(events.sunsetMs, instantMs);
    return events;
}

SunEvents solarDayEvents(double latitude, double longitude, double instantMs)
{
    const double lw = -longitude * kRadians;
    const double phi = latitude * kRadians;
    const double n = std::round(sunDayNumber(instantMs) - kTransitCorrection - lw / kTwoPi);
    const double ds = kTransitCorrection + lw / kTwoPi + n;
    const double m = (357.5291 + 0.98560028 * ds) * kRadians;
    const double c =
        (1.9148 * std::sin(m) + 0.02 * std::sin(2.0 * m) + 0.0003 * std::sin(3.0 * m)) * kRadians;
    const double l = m + c + kPerihelion + M_PI;
    const double declination = std::asin(std::sin(kObliquity) * std::sin(l));
    const double transit = 0.0053 * std::sin(m) - 0.0069 * std::sin(2.0 * l);
    const double noon = kJ2000 + ds + transit;

    // Past the polar circles the hour-angle cosine leaves [-1, 1]: above 1 the sun stays below
    // the horizon all day, below -1 it never sets. Clamping keeps both instants defined (solar
    // noon, or solar midnight) and the caller learns which of the two it is.
    const double cosHourAngle =
        (std::sin(kRiseSetAltitude) - std::sin(phi) * std::sin(declination)) /
        (std::cos(phi) * std::cos(declination));
    SunEvents events;
    double hourAngle = 0.0;
    if (cosHourAngle < -1.0) {
        events.daylight = Daylight::PolarDay;
        hourAngle = M_PI;
    } else if (cosHourAngle >= -1.0 && cosHourAngle <= 1.0) {
        hourAngle = std::acos(cosHourAngle);
    } else {
        events.daylight = Daylight::PolarNight; // also a NaN from a pole exactly
    }
    const double set = kJ2000 + kTransitCorrection + (hourAngle + lw) / kTwoPi + n + transit;
    const double rise = noon - (set - noon);
    events.sunriseMs = julianToInstantMs(rise);
    events.sunsetMs = julianToInstantMs(set);
    return events;
}

double moonFraction(double unixSeconds)
{
    const double days = unixSeconds / 86400.0 + 2440587.5 - 2444238.5;
    const double sun = sunLongitude(days);
    const double moon = moonLongitude(days, sun);
    return (1.0 - std::cos((moon - sun) * kRadians)) / 2.0;
}

float moonOffset(double fraction, int newMoonOffset, int fullMoonOffset)
{
    return static_cast<float>((1.0 - fraction) * newMoonOffset + fraction * fullMoonOffset);
}
