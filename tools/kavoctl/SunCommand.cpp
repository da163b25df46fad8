#include "SunCommand.h"

#include "DesktopClock.h"
#include "Options.h"
#include "TimeText.h"
#include "schedule/ScheduleText.h"
#include "schedule/SunCalculator.h"

#include <QJsonObject>

#include <cmath>

CommandResult sunCommand(const QStringList& arguments)
{
    Options options(
        arguments, {QStringLiteral("latitude"), QStringLiteral("longitude"), QStringLiteral("at")});
    options.require(QStringLiteral("latitude"));
    options.require(QStringLiteral("longitude"));
    const auto latitude = options.number(QStringLiteral("latitude"), 0.0, -90.0, 90.0);
    const auto longitude = options.number(QStringLiteral("longitude"), 0.0, -180.0, 180.0);
    const auto at = options.instant(QStringLiteral("at"), -1);
    if (!options.ok())
        return CommandResult::badArguments(options.error());

    const double instant =
        options.has(QStringLiteral("at")) ? static_cast<double>(*at) : desktopNowMs();
    SunCalculator calculator;
    calculator.set(*latitude, *longitude, instant, 0);
    const SunEvents sun = calculator.events(instant);
    const auto sunrise = static_cast<qint64>(sun.sunriseMs);
    const auto sunset = static_cast<qint64>(sun.sunsetMs);
    const auto now = static_cast<qint64>(instant);
    return CommandResult::ok({
        {QStringLiteral("at"), now},
        {QStringLiteral("at_iso"), isoTime(now)},
        {QStringLiteral("sunrise"), sunrise},
        {QStringLiteral("sunrise_iso"), isoTime(sunrise)},
        {QStringLiteral("sunset"), sunset},
        {QStringLiteral("sunset_iso"), isoTime(sunset)},
        {QStringLiteral("moon_fraction"), moonFraction(instant / 1000.0)},
        {QStringLiteral("day_length"), ScheduleText::duration(ScheduleText::dayLengthSeconds(sun))},
    });
}
