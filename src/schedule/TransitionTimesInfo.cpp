#include "schedule/TransitionTimesInfo.h"

#include "schedule/ScheduleText.h"
#include "schedule/SolarSchedule.h"
#include "schedule/TransitionSchedule.h"

#include <QDateTime>

namespace {
const char kClickToCopy[] =
    QT_TRANSLATE_NOOP("TransitionTimesInfo", "CLICK TO COPY THE TEXT TO CLIPBOARD");

QString yesNo(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}
} // namespace

TransitionTimesInfo::TransitionTimesInfo(const SettingsMap& settings, const Location& location,
                                         double nowMs)
    : m_settings(settings), m_location(location), m_nowMs(nowMs)
{
}

QString TransitionTimesInfo::text(const SettingsMap& settings, const Location& location,
                                  double nowMs)
{
    TransitionTimesInfo info(settings, location, nowMs);
    info.addTitle(kClickToCopy);
    info.endGroup();
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(nowMs));
    info.addTitle(QT_TR_NOOP("Detected current Clock time"));
    info.addLine(QT_TR_NOOP("Local time"), now.toString(QStringLiteral("hh:mm:ss t")));
    info.addLine(QT_TR_NOOP("UTC time"), now.toUTC().toString(QStringLiteral("hh:mm:ss t")));
    info.endGroup();
    if (TransitionSchedule::usesClockSchedule(settings, location))
        info.addClockTimes();
    else
        info.addSolarTimes();
    info.addLocation();
    info.addTitle(kClickToCopy);
    return info.m_text;
}

int TransitionTimesInfo::setting(const char* key) const
{
    return m_settings.value(QLatin1String(key)).toInt();
}

void TransitionTimesInfo::addLine(const char* label, const QString& value)
{
    m_text += tr(label) + QStringLiteral(" - ") + value + QLatin1Char('\n');
}

void TransitionTimesInfo::addTitle(const char* label)
{
    m_text += tr(label) + QLatin1Char('\n');
}

void TransitionTimesInfo::endGroup()
{
    m_text += QLatin1Char('\n');
}

void TransitionTimesInfo::addClockTimes()
{
    ClockInterpolationValues v;
    TransitionSchedule::fill_clock_interpolation_values(m_settings, v);
    const ScheduleText format(ScheduleText::Style::Clock);
    const QString nightStart = format.timeOfDay(v.night_start_hours, v.night_start_minutes);
    const QString nightEnd = format.timeOfDay(v.night_end_hours, v.night_end_minutes);

    addLine(QT_TR_NOOP("Day start time"), nightEnd);
    addLine(QT_TR_NOOP("Day transition start time"),
            format.transitionStart(v.night_end_hours, v.night_end_minutes, v.day_transition));
    addLine(QT_TR_NOOP("Day transition end time"), nightEnd);
    addLine(QT_TR_NOOP("Day end time"), nightStart);
    endGroup();
    addLine(QT_TR_NOOP("Night start time"), nightStart);
    addLine(QT_TR_NOOP("Night transition start time"),
            format.transitionStart(v.night_start_hours, v.night_start_minutes, v.night_transition));
    addLine(QT_TR_NOOP("Night transition end time"), nightStart);
    addLine(QT_TR_NOOP("Night end time"), nightEnd);
    endGroup();
    addSleepTimes(format);

    addLine(QT_TR_NOOP("Day duration"),
            ScheduleText::durationBetween(v.night_end_hours, v.night_end_minutes,
                                          v.night_start_hours, v.night_start_minutes));
    addLine(QT_TR_NOOP("Day transition duration"), ScheduleText::duration(v.day_transition));
    addLine(QT_TR_NOOP("Night duration"),
            ScheduleText::durationBetween(v.night_start_hours, v.night_start_minutes,
                                          v.night_end_hours, v.night_end_minutes));
    addLine(QT_TR_NOOP("Night transition duration"), ScheduleText::duration(v.night_transition));
    addSleepDurations();
}

void TransitionTimesInfo::addSolarTimes()
{
    SolarInterpolationValues v;
    TransitionSchedule::fill_solar_interpolation_values(m_settings, m_location, v);
    SolarSchedule solar;
    const SunEvents sun = solar.sunEventsAt(m_nowMs, v);
    const float offset = SolarSchedule::moonOffsetAt(m_nowMs, v);
    const double offsetMs = offset * 1000.0;
    const double halfDayMs = static_cast<float>(v.day_transition) * 0.5f * 1000.0;
    const double halfNightMs = static_cast<float>(v.night_transition) * 0.5f * 1000.0;
    const QString sunrise = ScheduleText::instant(sun.sunriseMs - offsetMs);
    const QString sunset = ScheduleText::instant(sun.sunsetMs - offsetMs);

    addLine(QT_TR_NOOP("Day start time"), sunrise);
    addLine(QT_TR_NOOP("Day transition start time"),
            ScheduleText::instant(sun.sunriseMs - halfDayMs - offsetMs));
    addLine(QT_TR_NOOP("Day transition end time"),
            ScheduleText::instant(sun.sunriseMs + halfDayMs - offsetMs));
    addLine(QT_TR_NOOP("Day end time"), sunset);
    endGroup();
    addLine(QT_TR_NOOP("Night start time"), sunset);
    addLine(QT_TR_NOOP("Night transition start time"),
            ScheduleText::instant(sun.sunsetMs - halfNightMs - offsetMs));
    addLine(QT_TR_NOOP("Night transition end time"),
            ScheduleText::instant(sun.sunsetMs + halfNightMs - offsetMs));
    addLine(QT_TR_NOOP("Night end time"), sunrise);
    endGroup();
    const QDate today = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(m_nowMs)).date();
    addSleepTimes(ScheduleText(ScheduleText::Style::Solar, today));

    const int64_t dayLength = ScheduleText::dayLengthSeconds(sun);
    addLine(QT_TR_NOOP("Day duration"), ScheduleText::duration(dayLength));
    addLine(QT_TR_NOOP("Day transition duration"), ScheduleText::duration(v.day_transition));
    // From sunset to the next sunrise: what the day leaves of 24 hours.
    addLine(QT_TR_NOOP("Night duration"), ScheduleText::duration(86400 - dayLength));
    addLine(QT_TR_NOOP("Night transition duration"), ScheduleText::duration(v.night_transition));
    addSleepDurations();

    const QDateTime now = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(m_nowMs));
    addLine(QT_TR_NOOP("Time zone"), now.timeZoneAbbreviation());
    addLine(QT_TR_NOOP("Custom Time zone offset"), QString::number(v.time_zone_offset));
    addLine(QT_TR_NOOP("Sunrise time"), ScheduleText::instant(sun.sunriseMs));
    addLine(QT_TR_NOOP("Sunset time"), ScheduleText::instant(sun.sunsetMs));
    addLine(QT_TR_NOOP("New moon offset"), ScheduleText::duration(v.new_moon_offset));
    addLine(QT_TR_NOOP("Full moon offset"), ScheduleText::duration(v.full_moon_offset));
    addLine(QT_TR_NOOP("Current moon offset"), ScheduleText::moonOffset(offset));
    endGroup();
}

void TransitionTimesInfo::addSleepTimes(const ScheduleText& format)
{
    const int bedHours = setting("BedtimeHours");
    const int bedMinutes = setting("BedtimeMinutes");
    const int wakeHours = setting("WakeTimeHours");
    const int wakeMinutes = setting("WakeTimeMinutes");
    const int transition = setting("SleepTransitionDuration");
    const QString bedtime = format.timeOfDay(bedHours, bedMinutes);
    const QString wakeTime = format.timeOfDay(wakeHours, wakeMinutes);

    addLine(QT_TR_NOOP("Bedtime"), bedtime);
    addLine(QT_TR_NOOP("Bedtime transition start time"),
            format.transitionStart(bedHours, bedMinutes, transition));
    addLine(QT_TR_NOOP("Bedtime transition end time"), bedtime);
    addLine(QT_TR_NOOP("Bedtime end time"), wakeTime);
    endGroup();
    addLine(QT_TR_NOOP("Wake time"), wakeTime);
    addLine(QT_TR_NOOP("Wake time transition start time"),
            format.transitionStart(wakeHours, wakeMinutes, transition));
    addLine(QT_TR_NOOP("Wake time transition end time"), wakeTime);
    addLine(QT_TR_NOOP("Wake time end time"), bedtime);
    endGroup();
}

void TransitionTimesInfo::addSleepDurations()
{
    addLine(QT_TR_NOOP("Sleep duration"),
            ScheduleText::durationBetween(setting("BedtimeHours"), setting("BedtimeMinutes"),
                                          setting("WakeTimeHours"), setting("WakeTimeMinutes")));
    addLine(QT_TR_NOOP("Sleep transition duration"),
            ScheduleText::duration(setting("SleepTransitionDuration")));
    endGroup();
}

void TransitionTimesInfo::addLocation()
{
    addLine(QT_TR_NOOP("Latitude"), QString::number(m_location.latitude));
    addLine(QT_TR_NOOP("Longitude"), QString::number(m_location.longitude));
    addLine(QT_TR_NOOP("Use Automatic Location"),
            yesNo(!m_settings.value(QStringLiteral("UseManualLocation")).toBool()));
    addLine(QT_TR_NOOP("Use Manual Night Duration"),
            yesNo(m_settings.value(QStringLiteral("UseManualNightDuration")).toBool()));
    endGroup();
}
