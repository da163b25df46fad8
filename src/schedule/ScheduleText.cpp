#include "schedule/ScheduleText.h"

#include "schedule/LocalTime.h"
#include "schedule/TransitionInterpolation.h"

#include <QDateTime>

namespace {
constexpr int64_t kSecondsPerDay = 86400;

int64_t positiveModuloDay(int64_t seconds)
{
    const int64_t remainder = seconds % kSecondsPerDay;
    return remainder < 0 ? remainder + kSecondsPerDay : remainder;
}
} // namespace

ScheduleText::ScheduleText(Style style, const QDate& date) : m_style(style), m_date(date)
{
}

QString ScheduleText::timeOfDaySeconds(int64_t seconds) const
{
    const QTime time = QTime(0, 0).addSecs(static_cast<int>(positiveModuloDay(seconds)));
    if (m_style == Style::Clock)
        return time.toString(QStringLiteral("hh:mm:ss"));
    const QDate date = m_date.isValid() ? m_date : QDate::currentDate();
    return instant(LocalTime::instantAt(date, time.msecsSinceStartOfDay()));
}

QString ScheduleText::timeOfDay(int32_t hours, int32_t minutes) const
{
    return timeOfDaySeconds(secondsOfDay(hours, minutes));
}

QString ScheduleText::transitionStart(int32_t hours, int32_t minutes, int32_t durationSeconds) const
{
    return timeOfDaySeconds(secondsOfDay(hours, minutes) - durationSeconds);
}

QString ScheduleText::instant(double instantMs)
{
    return QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(instantMs))
        .toString(QStringLiteral("hh:mm:ss t"));
}

QString ScheduleText::durationBetween(int32_t startHours, int32_t startMinutes, int32_t endHours,
                                      int32_t endMinutes)
{
    const int64_t start = secondsOfDay(startHours, startMinutes);
    const int64_t end = secondsOfDay(endHours, endMinutes);
    return duration(start > end ? end - start + kSecondsPerDay : end - start);
}

QString ScheduleText::duration(int64_t seconds)
{
    if (seconds == 0)
        return QStringLiteral("0 ") + tr("sec");
    const int64_t parts[] = {seconds / 3600, (seconds / 60) % 60, seconds % 60};
    const QString units[] = {tr("hour"), tr("min"), tr("sec")};
    QString text;
    for (int i = 0; i < 3; ++i) {
        if (parts[i] != 0)
            text += QString::number(parts[i]) + QLatin1Char(' ') + units[i] + QLatin1Char(' ');
    }
    return text;
}

QString ScheduleText::moonOffset(float offsetSeconds)
{
    return duration(static_cast<int64_t>(offsetSeconds));
}

int64_t ScheduleText::dayLengthSeconds(const SunEvents& sun)
{
    if (sun.daylight == Daylight::PolarDay)
        return kSecondsPerDay;
    if (sun.daylight == Daylight::PolarNight)
        return 0;
    double sunset = sun.sunsetMs;
    if (sun.sunriseMs > sunset)
        sunset += 86400000.0;
    return static_cast<int64_t>((sunset - sun.sunriseMs) / 1000.0);
}
