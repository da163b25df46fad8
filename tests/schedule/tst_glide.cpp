// Every transition glides: sampled every 10 s over 48 hours, no two neighbouring values differ by
// more than a transition of an hour or more can move in a little over a minute.
#include "DefaultSettings.h"
#include "schedule/TransitionSchedule.h"
#include "settings/SettingsStore.h"

#include <QDateTime>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(Location)

namespace {
constexpr double kStepMs = 10000.0;
constexpr double kSpanMs = 48 * 3600000.0;
constexpr float kMaxTemperatureStep = 100.0f;
constexpr float kMaxBrightnessStep = 2.0f;

struct Clock
{
    int hours;
    int minutes;
};

// Values spread wide apart, so that a jump cannot hide in a small difference.
SettingsMap glideSettings()
{
    SettingsMap settings = defaultSettings();
    settings.insert("DayTemperature", 6500);
    settings.insert("NightTemperature", 3400);
    settings.insert("SleepLight", 1900);
    settings.insert("DayBrightness", 100);
    settings.insert("NightBrightness", 60);
    settings.insert("SleepBrightness", 30);
    settings.insert("UseSleepLight", false);
    settings.insert("NewMoonOffset", 0);
    settings.insert("FullMoonOffset", 0);
    return settings;
}

void setClock(SettingsMap& settings, const char* prefix, Clock clock)
{
    settings.insert(QLatin1String(prefix) + "Hours", clock.hours);
    settings.insert(QLatin1String(prefix) + "Minutes", clock.minutes);
}

SettingsMap clockNight(Clock start, Clock end, int transition)
{
    SettingsMap settings = glideSettings();
    settings.insert("UseManualNightDuration", true);
    setClock(settings, "NightStartTime", start);
    setClock(settings, "NightEndTime", end);
    settings.insert("DayTransitionDuration", transition);
    settings.insert("NightTransitionDuration", transition);
    return settings;
}

SettingsMap withSleep(SettingsMap settings, Clock bedtime, Clock wake, int transition)
{
    settings.insert("UseSleepLight", true);
    setClock(settings, "Bedtime", bedtime);
    setClock(settings, "WakeTime", wake);
    settings.insert("SleepTransitionDuration", transition);
    return settings;
}

SettingsMap sun(int dayTransition, int nightTransition, int newMoonOffset = 0)
{
    SettingsMap settings = glideSettings();
    settings.insert("DayTransitionDuration", dayTransition);
    settings.insert("NightTransitionDuration", nightTransition);
    settings.insert("NewMoonOffset", newMoonOffset);
    return settings;
}

// Local (Europe/Berlin) midnight at the start of `date`.
double midnight(const QDate& date)
{
    return static_cast<double>(QDateTime(date, QTime(0, 0)).toMSecsSinceEpoch());
}
} // namespace

class TestGlide : public QObject
{
    Q_OBJECT

private slots:
    void everyTransitionGlides_data()
    {
        QTest::addColumn<SettingsMap>("settings");
        QTest::addColumn<Location>("place");
        QTest::addColumn<QDate>("from");
        // The lowest temperature the 48 hours reach: short nights with long transitions never
        // reach the night value, the transitions meet before.
        QTest::addColumn<float>("lowest");
        const Location clock;
        const QDate june(2026, 6, 10);
        const SettingsMap night22to07 = clockNight({22, 0}, {7, 0}, 3600);

        QTest::newRow("night from 00:15")
            << clockNight({0, 15}, {7, 0}, 3600) << clock << june << 3400.0f;
        QTest::newRow("night until 00:30")
            << clockNight({18, 0}, {0, 30}, 3600) << clock << june << 3400.0f;
        // The night ends an hour after it began: the two-hour transitions meet at 23:00.
        QTest::newRow("night 23:30-00:30, transitions of two hours")
            << clockNight({23, 30}, {0, 30}, 7200) << clock << june << 4175.0f;
        QTest::newRow("transitions longer than day and night")
            << clockNight({20, 0}, {6, 0}, 8 * 3600) << clock << june << 3400.0f;
        QTest::newRow("sleep from 00:15")
            << withSleep(night22to07, {0, 15}, {6, 0}, 3600) << clock << june << 1900.0f;
        QTest::newRow("sleep until 00:30")
            << withSleep(night22to07, {21, 0}, {0, 30}, 3600) << clock << june << 1900.0f;
        QTest::newRow("sleep 23:30-00:15, transitions of an hour")
            << withSleep(night22to07, {23, 30}, {0, 15}, 3600) << clock << june << 2087.5f;
        QTest::newRow("sleep across the spring change of the clocks")
            << withSleep(clockNight({1, 30}, {4, 0}, 3600), {2, 30}, {6, 0}, 3600) << clock
            << QDate(2026, 3, 28) << 1900.0f;
        QTest::newRow("night across the autumn change of the clocks")
            << withSleep(clockNight({2, 30}, {6, 0}, 5400), {1, 0}, {2, 15}, 3600) << clock
            << QDate(2026, 10, 24) << 1900.0f;

        const Location berlin{52.52, 13.405};
        const Location reykjavik{64.15, -21.94};
        const Location tromso{69.65, 18.96};
        const Location longyearbyen{78.22, 15.65};
        QTest::newRow("Berlin, summer") << sun(3600, 3600) << berlin << june << 3400.0f;
        QTest::newRow("Berlin, moon offset of an hour")
            << sun(3600, 7200, 3600) << berlin << QDate(2026, 12, 20) << 3400.0f;
        QTest::newRow("Reykjavik, sunset after midnight")
            << sun(3600, 3600) << reykjavik << QDate(2026, 6, 1) << 3400.0f;
        QTest::newRow("Tromso, the last nights before the midnight sun")
            << sun(3600, 3600) << tromso << QDate(2026, 5, 16) << 3400.0f;
        QTest::newRow("Tromso, the midnight sun begins, long transitions")
            << sun(3 * 3600, 3 * 3600) << tromso << QDate(2026, 5, 18) << 4567.9f;
        QTest::newRow("Tromso, the midnight sun ends")
            << sun(3600, 2 * 3600) << tromso << QDate(2026, 7, 25) << 4708.4f;
        QTest::newRow("Tromso, the polar night begins")
            << sun(3600, 3600) << tromso << QDate(2026, 11, 25) << 3400.0f;
        QTest::newRow("Tromso, the polar night ends")
            << sun(2 * 3600, 2 * 3600) << tromso << QDate(2027, 1, 14) << 3400.0f;
        QTest::newRow("Longyearbyen, short nights and long transitions")
            << sun(4 * 3600, 4 * 3600) << longyearbyen << QDate(2026, 4, 17) << 3909.6f;
        QTest::newRow("Longyearbyen, midnight sun")
            << sun(3600, 3600) << longyearbyen << QDate(2026, 6, 20) << 6500.0f;
        QTest::newRow("Longyearbyen, polar night with sleep")
            << withSleep(sun(3600, 3600), {23, 30}, {0, 30}, 3600) << longyearbyen
            << QDate(2026, 12, 20) << 1900.0f;
    }

    void everyTransitionGlides()
    {
        QFETCH(SettingsMap, settings);
        QFETCH(Location, place);
        QFETCH(QDate, from);
        QFETCH(float, lowest);
        TransitionSchedule schedule(settings, place);
        const double start = midnight(from);
        float temperature = schedule.temperatureAt(start, 0);
        float brightness = schedule.brightnessAt(start, 0);
        float lowestSeen = temperature;
        for (double t = start + kStepMs; t <= start + kSpanMs; t += kStepMs) {
            const float nextTemperature = schedule.temperatureAt(t, 0);
            const float nextBrightness = schedule.brightnessAt(t, 0);
            const QString at =
                QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(t)).toString(Qt::ISODate);
            QVERIFY2(std::fabs(nextTemperature - temperature) <= kMaxTemperatureStep,
                     qPrintable(QStringLiteral("%1: %2 K after %3 K")
                                    .arg(at)
                                    .arg(nextTemperature)
                                    .arg(temperature)));
            QVERIFY2(std::fabs(nextBrightness - brightness) <= kMaxBrightnessStep,
                     qPrintable(QStringLiteral("%1: %2 % after %3 %")
                                    .arg(at)
                                    .arg(nextBrightness)
                                    .arg(brightness)));
            temperature = nextTemperature;
            brightness = nextBrightness;
            lowestSeen = std::min(lowestSeen, temperature);
        }
        QVERIFY2(std::fabs(lowestSeen - lowest) < 1.0f, qPrintable(QString::number(lowestSeen)));
    }
};

QTEST_GUILESS_MAIN(TestGlide)
#include "tst_glide.moc"
