#include "schedule/SolarPosition.h"

#include "platform/Platform.h"
#include "schedule/ScheduleText.h"

double SolarPosition::resolveInstant(double instant)
{
    return instant == -1.0 ? static_cast<double>(Platform::current().clock().nowMs()) : instant;
}

float SolarPosition::interpolate_now(SolarInterpolationValues values)
{
    return interpolate_at(resolveInstant(-1.0), values);
}

double SolarPosition::sunrise(SunCalculator& calculator, double instant)
{
    return calculator.events(resolveInstant(instant)).sunriseMs;
}

double SolarPosition::sunset(SunCalculator& calculator, double instant)
{
    return calculator.events(resolveInstant(instant)).sunsetMs;
}

double SolarPosition::moon_fraction(double unixSeconds)
{
    return moonFraction(unixSeconds);
}

QString SolarPosition::moon_offset_text(int newMoonOffset, int fullMoonOffset)
{
    const double nowSeconds = resolveInstant(-1.0) / 1000.0;
    return ScheduleText::moonOffset(
        moonOffset(moonFraction(nowSeconds), newMoonOffset, fullMoonOffset));
}

QString SolarPosition::day_length_text(SolarInterpolationValues values)
{
    return ScheduleText::duration(
        ScheduleText::dayLengthSeconds(sunEventsAt(resolveInstant(-1.0), values)));
}
