#pragma once

#include "schedule/SunMath.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <cstdint>

// Times of day, instants and durations as the information text shows them.
class ScheduleText
{
    Q_DECLARE_TR_FUNCTIONS(ScheduleText)

public:
    enum class Style
    {
        Clock, // "hh:mm:ss"
        Solar, // "hh:mm:ss t": with the time-zone abbreviation on `date`
    };

    explicit ScheduleText(Style style, const QDate& date = {});

    // The time of day h:m.
    QString timeOfDay(int32_t hours, int32_t minutes) const;

    // The time of day at which a transition of `durationSeconds` that ends at h:m starts.
    QString transitionStart(int32_t hours, int32_t minutes, int32_t durationSeconds) const;

    // A local date-time as "hh:mm:ss t".
    static QString instant(double instantMs);

    // The time from one time of day to the next occurrence of another, as a duration.
    static QString durationBetween(int32_t startHours, int32_t startMinutes, int32_t endHours,
                                   int32_t endMinutes);

    // "1 hour 30 min " style: hours, minutes and seconds that are not zero, each followed by a
    // blank; "0 sec" for zero.
    static QString duration(int64_t seconds);

    // The moon offset truncated to whole seconds, as a duration.
    static QString moonOffset(float offsetSeconds);

    // Seconds of daylight from sunrise to sunset (24 hours in polar day, none in polar night).
    static int64_t dayLengthSeconds(const SunEvents& sun);

private:
    QString timeOfDaySeconds(int64_t seconds) const;

    Style m_style;
    QDate m_date;
};
