#include "DefaultSettings.h"
#include "schedule/ClockSchedule.h"
#include "schedule/LocalTime.h"
#include "schedule/SolarSchedule.h"
#include "schedule/SunMath.h"
#include "schedule/TransitionSchedule.h"

#include <QDateTime>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(TransitionType)

namespace {
// Berlin local time on `date` (the tests run with TZ=Europe/Berlin).
double at(const QDate& date, int hours, int minutes)
{
    return static_cast<double>(QDateTime(date, QTime(hours, minutes)).toMSecsSinceEpoch());
}

const QDate kSummerDay(2026, 6, 10);

// Day 0 and night 1: the result is the night factor itself.
ClockInterpolationValues nightFactorValues(int startHours, int endHours, int transition)
{
    ClockInterpolationValues values;
    values.night_start_hours = startHours;
    values.night_end_hours = endHours;
    values.day_value = 0.0f;
    values.night_value = 1.0f;
    values.day_transition = transition;
    values.night_transition = transition;
    return values;
}

ClockInterpolationValues sleepValues(int bedHours, int wakeHours, int transition)
{
    ClockInterpolationValues values = nightFactorValues(20, 6, 3600);
    values.day_value = 6500.0f;
    values.night_value = 4000.0f;
    values.sleep_value = 2000.0f;
    values.flags.use_sleep = 1;
    values.bedtime_hours = bedHours;
    values.wake_hours = wakeHours;
    values.sleep_transition = transition;
    return values;
}

SolarInterpolationValues berlin(int moonOffset)
{
    SolarInterpolationValues values;
    values.latitude = 52.52f;
    values.longitude = 13.405f;
    values.day_value = 0.0f;
    values.night_value = 1.0f;
    values.day_transition = 3600;
    values.night_transition = 3600;
    values.new_moon_offset = moonOffset;
    values.full_moon_offset = moonOffset;
    return values;
}

} // namespace

class TestInterpolation : public QObject
{
    Q_OBJECT

private slots:
    void clockNightFactor_data()
    {
        QTest::addColumn<int>("startHours");
        QTest::addColumn<int>("endHours");
        QTest::addColumn<int>("transition");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<float>("factor");
        QTest::addColumn<TransitionType>("type");
        const auto day = TransitionType::Day;
        const auto night = TransitionType::Night;
        QTest::newRow("22-07, 21:45 halfway to night")
            << 22 << 7 << 1800 << QTime(21, 45) << 0.5f << night;
        QTest::newRow("22-07, 06:45 halfway to day")
            << 22 << 7 << 1800 << QTime(6, 45) << 0.5f << day;
        QTest::newRow("22-07, noon") << 22 << 7 << 1800 << QTime(12, 0) << 0.0f << day;
        QTest::newRow("22-07, 03:00") << 22 << 7 << 1800 << QTime(3, 0) << 1.0f << night;
        QTest::newRow("22-07, night start exactly")
            << 22 << 7 << 1800 << QTime(22, 0) << 1.0f << night;
        QTest::newRow("22-07, night end exactly") << 22 << 7 << 1800 << QTime(7, 0) << 0.0f << day;
        QTest::newRow("22-07, night transition begins")
            << 22 << 7 << 1800 << QTime(21, 30) << 0.0f << day;
        QTest::newRow("01-06, 05:30 halfway to day")
            << 1 << 6 << 3600 << QTime(5, 30) << 0.5f << day;
        QTest::newRow("01-06, 06:00 day") << 1 << 6 << 3600 << QTime(6, 0) << 0.0f << day;
        QTest::newRow("01-06, 00:30 halfway to night")
            << 1 << 6 << 3600 << QTime(0, 30) << 0.5f << night;
        QTest::newRow("01-06, 03:00") << 1 << 6 << 3600 << QTime(3, 0) << 1.0f << night;
        QTest::newRow("01-06, 01:00 exactly") << 1 << 6 << 3600 << QTime(1, 0) << 1.0f << night;
        QTest::newRow("01-06, 23:30") << 1 << 6 << 3600 << QTime(23, 30) << 0.0f << day;
    }

    void clockNightFactor()
    {
        QFETCH(int, startHours);
        QFETCH(int, endHours);
        QFETCH(int, transition);
        QFETCH(QTime, time);
        QFETCH(float, factor);
        QFETCH(TransitionType, type);
        ClockSchedule clock;
        const double instant = at(kSummerDay, time.hour(), time.minute());
        QCOMPARE(clock.interpolate_at(instant, nightFactorValues(startHours, endHours, transition)),
                 factor);
        QCOMPARE(clock.get(), type);
    }

    void sleepPeriod_data()
    {
        QTest::addColumn<int>("bedHours");
        QTest::addColumn<int>("wakeHours");
        QTest::addColumn<int>("transition");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<float>("value");
        QTest::addColumn<TransitionType>("type");
        const auto sleep = TransitionType::Sleep;
        // Night 20:00-06:00 at 4000 K, day 6500 K, sleep 2000 K.
        QTest::newRow("23-07, 03:00 asleep") << 23 << 7 << 1800 << QTime(3, 0) << 2000.0f << sleep;
        QTest::newRow("23-07, 22:45 halfway night to sleep")
            << 23 << 7 << 1800 << QTime(22, 45) << 3000.0f << sleep;
        QTest::newRow("23-07, 23:00 exactly")
            << 23 << 7 << 1800 << QTime(23, 0) << 2000.0f << sleep;
        QTest::newRow("23-07, 06:45 halfway sleep to day")
            << 23 << 7 << 1800 << QTime(6, 45) << 4250.0f << sleep;
        QTest::newRow("23-07, 07:30 awake, day")
            << 23 << 7 << 1800 << QTime(7, 30) << 6500.0f << TransitionType::Day;
        QTest::newRow("23-07, 21:00 night")
            << 23 << 7 << 1800 << QTime(21, 0) << 4000.0f << TransitionType::Night;
        QTest::newRow("00-04, 23:30 halfway across midnight")
            << 0 << 4 << 3600 << QTime(23, 30) << 3000.0f << sleep;
        QTest::newRow("00-04, 02:00 asleep") << 0 << 4 << 3600 << QTime(2, 0) << 2000.0f << sleep;
        QTest::newRow("00-04, 04:30 awake, still night")
            << 0 << 4 << 3600 << QTime(4, 30) << 4000.0f << TransitionType::Night;
        QTest::newRow("01-06, 01:00 exactly") << 1 << 6 << 1800 << QTime(1, 0) << 2000.0f << sleep;
        QTest::newRow("01-06, 03:00 asleep") << 1 << 6 << 1800 << QTime(3, 0) << 2000.0f << sleep;
        QTest::newRow("01-06, wake transition starts")
            << 1 << 6 << 1800 << QTime(5, 30) << 2000.0f << sleep;
        QTest::newRow("01-06, 00:45 halfway") << 1 << 6 << 1800 << QTime(0, 45) << 3000.0f << sleep;
        QTest::newRow("01-06, 12:00 day")
            << 1 << 6 << 1800 << QTime(12, 0) << 6500.0f << TransitionType::Day;
    }

    void sleepPeriod()
    {
        QFETCH(int, bedHours);
        QFETCH(int, wakeHours);
        QFETCH(int, transition);
        QFETCH(QTime, time);
        QFETCH(float, value);
        QFETCH(TransitionType, type);
        ClockSchedule clock;
        const double instant = at(kSummerDay, time.hour(), time.minute());
        QCOMPARE(clock.interpolate_at(instant, sleepValues(bedHours, wakeHours, transition)),
                 value);
        QCOMPARE(clock.get(), type);
    }

    void sleepTypeEndsWithTheSleepPeriod()
    {
        ClockSchedule clock;
        const ClockInterpolationValues values = sleepValues(23, 7, 1800);
        clock.interpolate_at(at(kSummerDay, 3, 0), values);
        QCOMPARE(clock.get(), TransitionType::Sleep);
        clock.interpolate_at(at(kSummerDay, 12, 0), values);
        QCOMPARE(clock.get(), TransitionType::Day);
        clock.interpolate_at(at(kSummerDay, 3, 0), values);
        ClockInterpolationValues withoutSleep = values;
        withoutSleep.flags.use_sleep = 0;
        clock.interpolate_at(at(kSummerDay, 3, 0), withoutSleep);
        QCOMPARE(clock.get(), TransitionType::Night);
    }

    void forceNightGivesTheNightValue()
    {
        ClockInterpolationValues clockValues = sleepValues(23, 7, 1800);
        clockValues.flags.force_night = 1;
        ClockSchedule clock;
        QCOMPARE(clock.interpolate_at(at(kSummerDay, 12, 0), clockValues), 4000.0f);
        QCOMPARE(clock.get(), TransitionType::Night);

        SolarInterpolationValues solarValues = berlin(0);
        solarValues.flags.force_night = 1;
        SolarSchedule solar;
        QCOMPARE(solar.interpolate_at(at(kSummerDay, 12, 0), solarValues), 1.0f);
        QCOMPARE(solar.get(), TransitionType::Night);
    }

    void daylightSavingDaysKeepTheClockTimes_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::newRow("spring forward") << QDate(2026, 3, 29);
        QTest::newRow("fall back") << QDate(2026, 10, 25);
    }

    void daylightSavingDaysKeepTheClockTimes()
    {
        QFETCH(QDate, date);
        ClockSchedule clock;
        const ClockInterpolationValues values = nightFactorValues(22, 7, 1800);
        QCOMPARE(clock.interpolate_at(at(date, 21, 45), values), 0.5f);
        QCOMPARE(clock.interpolate_at(at(date, 6, 45), values), 0.5f);
        QCOMPARE(clock.interpolate_at(at(date, 22, 0), values), 1.0f);
    }

    void moonOffsetMovesAllSolarBoundariesEarlier_data()
    {
        QTest::addColumn<QTime>("around");
        QTest::newRow("day transition begins") << QTime(4, 14);
        QTest::newRow("day transition ends") << QTime(5, 14);
        QTest::newRow("night transition begins") << QTime(20, 57);
        QTest::newRow("night transition ends") << QTime(21, 57);
    }

    void moonOffsetMovesAllSolarBoundariesEarlier()
    {
        QFETCH(QTime, around);
        SolarSchedule solar;
        for (int minute = -12; minute <= 12; minute += 3) {
            const double instant =
                at(kSummerDay, around.hour(), around.minute()) + minute * 60000.0;
            const float moved = solar.interpolate_at(instant, berlin(600));
            const float unmoved = solar.interpolate_at(instant + 600000.0, berlin(0));
            QVERIFY2(
                std::fabs(moved - unmoved) < 1e-3f,
                qPrintable(QStringLiteral("%1 min: %2 vs %3").arg(minute).arg(moved).arg(unmoved)));
        }
    }

    // Places whose solar time is hours away from the Berlin clock, on dates when the sun's
    // times move fast: inside the transition around a date's sunrise, and around the sunset
    // that follows it the same date, the night factor comes from that date's own sunrise and
    // sunset, the ones shown for the date.
    void transitionsTakeTheSunOfTheirOwnDate_data()
    {
        QTest::addColumn<float>("latitude");
        QTest::addColumn<float>("longitude");
        QTest::addColumn<QDate>("date");
        QTest::newRow("mid-Atlantic, spring") << 47.6473f << -35.5042f << QDate(2029, 3, 20);
        QTest::newRow("mid-Atlantic, autumn") << 47.6473f << -35.5042f << QDate(2026, 9, 23);
        QTest::newRow("Reykjavik, spring") << 64.15f << -21.94f << QDate(2026, 3, 20);
        QTest::newRow("Alaska, autumn") << 61.22f << -149.9f << QDate(2026, 9, 22);
        QTest::newRow("Sydney, autumn") << -33.87f << 151.21f << QDate(2026, 3, 20);
        QTest::newRow("Kamchatka, spring") << 53.02f << 158.65f << QDate(2026, 3, 21);
        QTest::newRow("Greenwich, spring") << 51.48f << 0.0f << QDate(2026, 3, 20);
        QTest::newRow("Berlin, spring") << 52.52f << 13.405f << QDate(2026, 3, 27);
    }

    void transitionsTakeTheSunOfTheirOwnDate()
    {
        QFETCH(float, latitude);
        QFETCH(float, longitude);
        QFETCH(QDate, date);
        SolarInterpolationValues values = berlin(0);
        values.latitude = latitude;
        values.longitude = longitude;
        const double noon = at(date, 12, 0);
        const SunEvents own = sunEvents(latitude, longitude, noon);
        QCOMPARE(LocalTime::dateOf(own.sunriseMs), date);
        const double half = values.day_transition * 500.0; // ms; both transitions are an hour
        SolarSchedule solar;
        for (double from = -0.4; from <= 0.4; from += 0.1) {
            const double sunrise = own.sunriseMs + from * 2.0 * half;
            const double sunset = own.sunsetMs + from * 2.0 * half;
            if (LocalTime::dateOf(sunrise) == date) {
                QVERIFY2(std::fabs(solar.interpolate_at(sunrise, values) - (0.5 - from)) < 1e-4,
                         qPrintable(QStringLiteral("%1 of the day transition").arg(0.5 + from)));
            }
            if (own.sunsetMs > own.sunriseMs && LocalTime::dateOf(sunset) == date) {
                QVERIFY2(std::fabs(solar.interpolate_at(sunset, values) - (0.5 + from)) < 1e-4,
                         qPrintable(QStringLiteral("%1 of the night transition").arg(0.5 + from)));
            }
        }
    }

    void polarDatesNeverProduceNaN_data()
    {
        QTest::addColumn<float>("latitude");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<float>("value");
        QTest::addColumn<TransitionType>("type");
        QTest::newRow("Tromso midsummer night")
            << 69.65f << QDate(2026, 6, 21) << 0.0f << TransitionType::Day;
        QTest::newRow("Tromso midwinter noon")
            << 69.65f << QDate(2026, 12, 21) << 1.0f << TransitionType::Night;
        QTest::newRow("north pole") << 90.0f << QDate(2026, 6, 21) << 0.0f << TransitionType::Day;
    }

    void polarDatesNeverProduceNaN()
    {
        QFETCH(float, latitude);
        QFETCH(QDate, date);
        QFETCH(float, value);
        QFETCH(TransitionType, type);
        SolarInterpolationValues values = berlin(300);
        values.latitude = latitude;
        SolarSchedule solar;
        for (int hour = 0; hour < 24; hour += 3) {
            QCOMPARE(solar.interpolate_at(at(date, hour, 30), values), value);
            QCOMPARE(solar.get(), type);
        }
    }

    void scheduleChoice_data()
    {
        QTest::addColumn<bool>("manualNight");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<bool>("clock");
        QTest::newRow("known place") << false << 52.52 << 13.405 << false;
        QTest::newRow("manual night duration") << true << 52.52 << 13.405 << true;
        QTest::newRow("latitude unknown") << false << -1.0 << 13.405 << true;
        QTest::newRow("longitude unknown") << false << 52.52 << -1.0 << true;
        QTest::newRow("latitude not a number") << false << std::nan("") << 13.405 << true;
        QTest::newRow("latitude off the globe") << false << 95.0 << 13.405 << true;
        QTest::newRow("longitude off the globe") << false << 52.52 << 200.0 << true;
    }

    void scheduleChoice()
    {
        QFETCH(bool, manualNight);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(bool, clock);
        SettingsMap settings = defaultSettings();
        settings.insert(QStringLiteral("UseManualNightDuration"), manualNight);
        const Location location{latitude, longitude};
        TransitionSchedule schedule(settings, location);
        // At 20:30 in June the clock schedule (night from 20:00) is at night, the sun is up.
        const float temperature = schedule.temperatureAt(at(kSummerDay, 20, 30), 0);
        QCOMPARE(temperature, clock ? 3400.0f : 5000.0f);
        QCOMPARE(schedule.transitionType(), clock ? TransitionType::Night : TransitionType::Day);
    }

    void monitorKeysAndSmartBrightness_data()
    {
        QTest::addColumn<int>("monitor");
        QTest::addColumn<bool>("smart");
        QTest::addColumn<float>("brightness");
        QTest::newRow("common values") << 0 << false << 80.0f;
        QTest::newRow("monitor 2") << 2 << false << 60.0f;
        QTest::newRow("smart brightness -10") << 0 << true << 70.0f;
    }

    void monitorKeysAndSmartBrightness()
    {
        QFETCH(int, monitor);
        QFETCH(bool, smart);
        QFETCH(float, brightness);
        SettingsMap settings = defaultSettings();
        settings.insert(QStringLiteral("DayBrightness"), 80);
        settings.insert(QStringLiteral("DayBrightness2"), 60);
        settings.insert(QStringLiteral("SmartBrightness"), smart);
        const Location unknown;
        TransitionSchedule schedule(settings, unknown);
        schedule.setSmartBrightnessModifier([] { return -10; });
        QCOMPARE(schedule.brightnessAt(at(kSummerDay, 12, 0), monitor), brightness);
    }

    void forceNightSettingsActSeparately()
    {
        SettingsMap settings = defaultSettings();
        settings.insert(QStringLiteral("UseManualColorSettings"), true);
        const Location unknown;
        TransitionSchedule schedule(settings, unknown);
        QCOMPARE(schedule.temperatureAt(at(kSummerDay, 12, 0), 0), 3400.0f);
        QCOMPARE(schedule.brightnessAt(at(kSummerDay, 12, 0), 0), 100.0f);
    }

    void isDayFollowsTheLocalHour_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<bool>("day");
        QTest::newRow("05:59") << QTime(5, 59) << false;
        QTest::newRow("06:00") << QTime(6, 0) << true;
        QTest::newRow("17:59") << QTime(17, 59) << true;
        QTest::newRow("18:00") << QTime(18, 0) << false;
    }

    void isDayFollowsTheLocalHour()
    {
        QFETCH(QTime, time);
        QFETCH(bool, day);
        QCOMPARE(TransitionSchedule::isDay(at(kSummerDay, time.hour(), time.minute())), day);
    }
};

QTEST_GUILESS_MAIN(TestInterpolation)
#include "tst_interpolation.moc"
