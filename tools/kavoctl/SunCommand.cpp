#include "SunCommand.h"

#include "DesktopClock.h"
#include "Options.h"
#include "schedule/ScheduleText.h"
#include "schedule/SunCalculator.h"

#include <QJsonObject>

#include <cmath>

namespace {
bool inRange(double value, double limit)
{
    return std::fabs(value) <= limit;
}
} // namespace

CommandResult sunCommand(const QStringList& arguments)
{
    Options options(
        arguments, {QStringLiteral("latitude"), QStringLiteral("longitude"), QStringLiteral("at")});
    options.require(QStringLiteral("latitude"));
    options.require(QStringLiteral("longitude"));
    const auto latitude = options.number(QStringLiteral("latitude"), 0.0);
    const auto longitude = options.number(QStringLiteral("longitude"), 0.0);
    const auto at = options.integer(QStringLiteral("at"), -1);
    if (!options.ok())
        return CommandResult::badArguments(options.error());
    if (!inRange(*latitude, 90.0))
        return CommandResult::badArguments(QStringLiteral("--latitude must be within -90..90"));
    if (!inRange(*longitude, 180.0))
        return CommandResult::badArguments(QStringLiteral("--longitude must be within -180..180"));

    const double instant =
        options.has(QStringLiteral("at")) ? static_cast<double>(*at) : desktopNowMs();
    SunCalculator calculator;
    calculator.set(*latitude, *longitude, instant, 0);
    const SunEvents sun = calculator.events(instant);
    return CommandResult::ok({
        {QStringLiteral("sunrise"), static_cast<qint64>(sun.sunriseMs)},
        {QStringLiteral("sunset"), static_cast<qint64>(sun.sunsetMs)},
        {QStringLiteral("moon_fraction"), moonFraction(instant / 1000.0)},
        {QStringLiteral("day_length"), ScheduleText::duration(ScheduleText::dayLengthSeconds(sun))},
    });
}
