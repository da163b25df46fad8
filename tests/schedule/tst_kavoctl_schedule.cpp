// kavoctl sun and schedule, run as a user or a script would, against what the program itself
// computes from the same settings file.
#include "schedule/ScheduleText.h"
#include "schedule/SunMath.h"
#include "schedule/TransitionSchedule.h"
#include "settings/SettingsStore.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {
struct Run
{
    int status = -1;
    QJsonObject output;
    QByteArray standardOutput;
    QByteArray standardError;
};

Run kavoctl(const QStringList& arguments, const QString& simConfig = {},
            const QString& timeZone = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!timeZone.isEmpty())
        environment.insert(QStringLiteral("TZ"), timeZone);
    environment.insert(QStringLiteral("KAVO_PLATFORM"), QStringLiteral("sim"));
    if (!simConfig.isEmpty())
        environment.insert(QStringLiteral("KAVO_SIM_CONFIG"), simConfig);
    process.setProcessEnvironment(environment);
    process.start(qEnvironmentVariable("KAVOCTL"), arguments);
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.status = process.exitCode();
    run.standardOutput = process.readAllStandardOutput();
    run.standardError = process.readAllStandardError();
    run.output = QJsonDocument::fromJson(run.standardOutput).object();
    return run;
}

qint64 berlinMs(const QString& localDateTime)
{
    return QDateTime::fromString(localDateTime, Qt::ISODate).toMSecsSinceEpoch();
}
} // namespace

class TestKavoctlSchedule : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString writeSettings(const QString& name, const QVariantMap& values)
    {
        const QString path = m_dir.filePath(name + QStringLiteral(".ini"));
        QSettings store(path, QSettings::IniFormat);
        store.clear();
        store.setValue(QStringLiteral("SaveVersion"), QStringLiteral("6"));
        for (auto it = values.begin(); it != values.end(); ++it)
            store.setValue(it.key(), it.value());
        store.sync();
        return path;
    }

private slots:
    void scheduleAtAnInstant_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("monitor");
        QTest::addColumn<double>("temperature");
        QTest::addColumn<double>("brightness");
        QTest::addColumn<int>("type");
        const QVariantMap defaults;
        const QVariantMap berlin{
            {"Latitude", 52.52}, {"Longitude", 13.405}, {"UseSleepLight", false}};
        const QVariantMap lateNight{{"NightStartTimeHours", 22},
                                    {"NightTransitionDuration", 1800},
                                    {"UseSleepLight", false}};
        QTest::newRow("defaults, noon")
            << defaults << "2026-06-10T12:00:00" << 0 << 5000.0 << 100.0 << 0;
        QTest::newRow("defaults, night")
            << defaults << "2026-06-10T21:00:00" << 0 << 3400.0 << 80.0 << 1;
        QTest::newRow("defaults, asleep")
            << defaults << "2026-06-10T00:30:00" << 0 << 2700.0 << 75.0 << 2;
        QTest::newRow("monitor's own key") << QVariantMap{{"DayTemperature2", 4500}}
                                           << "2026-06-10T12:00:00" << 2 << 4500.0 << 100.0 << 0;
        QTest::newRow("monitor's key out of range")
            << QVariantMap{{"DayTemperature2", 12000}} << "2026-06-10T12:00:00" << 2 << 6000.0
            << 100.0 << 0;
        QTest::newRow("common key for monitor 0")
            << QVariantMap{{"DayTemperature2", 4500}} << "2026-06-10T12:00:00" << 0 << 5000.0
            << 100.0 << 0;
        QTest::newRow("spring-forward day")
            << lateNight << "2026-03-29T21:45:00" << 0 << 4200.0 << 90.0 << 1;
        QTest::newRow("fall-back day")
            << lateNight << "2026-10-25T21:45:00" << 0 << 4200.0 << 90.0 << 1;
        QTest::newRow("sun, noon") << berlin << "2026-06-10T12:00:00" << 0 << 5000.0 << 100.0 << 0;
        QTest::newRow("sun, midnight")
            << berlin << "2026-06-10T23:55:00" << 0 << 3400.0 << 80.0 << 1;
        QTest::newRow("forced night temperature")
            << QVariantMap{{"UseManualColorSettings", true}} << "2026-06-10T12:00:00" << 0 << 3400.0
            << 100.0 << 0;
    }

    void scheduleAtAnInstant()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(QString, time);
        QFETCH(int, monitor);
        QFETCH(double, temperature);
        QFETCH(double, brightness);
        QFETCH(int, type);
        const QString file = writeSettings(QString::fromLatin1(QTest::currentDataTag()), stored);
        const Run run =
            kavoctl({"schedule", "--settings", file, "--at", QString::number(berlinMs(time)),
                     "--monitor", QString::number(monitor)});
        QVERIFY2(run.status == 0, run.standardError.constData());
        QCOMPARE(run.output[QLatin1String("temperature")].toDouble(), temperature);
        QCOMPARE(run.output[QLatin1String("brightness")].toDouble(), brightness);
        QCOMPARE(run.output[QLatin1String("type")].toInt(), type);
    }

    void scheduleMatchesTheProgramAcrossADay()
    {
        const QString file =
            writeSettings(QStringLiteral("day"), {{"Latitude", 48.14},
                                                  {"Longitude", 11.58},
                                                  {"BedtimeHours", 23},
                                                  {"WakeTimeHours", 7},
                                                  {"SleepTransitionDuration", 1800}});
        QSettings store(file, QSettings::IniFormat);
        SettingsMap settings;
        SettingsStore(store).loadMonitor(0, settings);
        const Location location = SettingsStore(store).readLocation();
        TransitionSchedule schedule(settings, location);
        const qint64 start = berlinMs(QStringLiteral("2026-06-10T00:00:00"));
        for (qint64 at = start; at < start + 86400000; at += 2 * 3600000 + 17 * 60000) {
            const Run run = kavoctl({"schedule", "--settings", file, "--at", QString::number(at)});
            QCOMPARE(run.status, 0);
            QCOMPARE(run.output[QLatin1String("temperature")].toDouble(),
                     static_cast<double>(schedule.temperatureAt(at, 0)));
            QCOMPARE(run.output[QLatin1String("brightness")].toDouble(),
                     static_cast<double>(schedule.brightnessAt(at, 0)));
            QCOMPARE(run.output[QLatin1String("type")].toInt(),
                     static_cast<int>(schedule.transitionType()));
        }
    }

    void sunPrintsWhatTheScheduleUses()
    {
        const qint64 at = berlinMs(QStringLiteral("2026-06-10T21:45:00"));
        const Run run = kavoctl(
            {"sun", "--latitude", "52.52", "--longitude", "13.405", "--at", QString::number(at)});
        QCOMPARE(run.status, 0);
        const SunEvents sun = sunEvents(52.52, 13.405, static_cast<double>(at));
        QCOMPARE(run.output[QLatin1String("sunrise")].toDouble(), std::trunc(sun.sunriseMs));
        QCOMPARE(run.output[QLatin1String("sunset")].toDouble(), std::trunc(sun.sunsetMs));
        QCOMPARE(run.output[QLatin1String("moon_fraction")].toDouble(), moonFraction(at / 1000.0));
        QCOMPARE(run.output[QLatin1String("day_length")].toString(),
                 ScheduleText::duration(ScheduleText::dayLengthSeconds(sun)));
        QCOMPARE(run.output[QLatin1String("sunrise_iso")].toString(),
                 QDateTime::fromMSecsSinceEpoch(qint64(sun.sunriseMs))
                     .toOffsetFromUtc(7200)
                     .toString(Qt::ISODate));
        QCOMPARE(run.output[QLatin1String("at_iso")].toString(),
                 QStringLiteral("2026-06-10T21:45:00+02:00"));
        QCOMPARE(run.output.keys().size(), 8);
    }

    // Solar time more than two hours behind the clock: the morning's transition is the one
    // around the sunrise kavoctl sun gives for the date (08:28:16), not the next date's
    // (08:26:13, which gave 8742.88 K).
    void theScheduleTakesTheSunriseOfItsOwnDate()
    {
        const QString file =
            writeSettings(QStringLiteral("mid-atlantic"), {{"Latitude", 47.6473},
                                                           {"Longitude", -35.5042},
                                                           {"DayTransitionDuration", 7200},
                                                           {"NightTransitionDuration", 3600},
                                                           {"DayTemperature", 8777},
                                                           {"NightTemperature", 8351},
                                                           {"NewMoonOffset", 600},
                                                           {"FullMoonOffset", 1204},
                                                           {"UseSleepLight", false}});
        const QString at = QStringLiteral("2029-03-20T09:04:21Z");
        const Run sun = kavoctl(
            {"sun", "--latitude", "47.6473", "--longitude", "-35.5042", "--at", at}, {}, "UTC");
        QCOMPARE(sun.status, 0);
        QCOMPARE(sun.output[QLatin1String("sunrise_iso")].toString(),
                 QStringLiteral("2029-03-20T08:28:16Z"));
        const Run schedule = kavoctl({"schedule", "--settings", file, "--at", at}, {}, "UTC");
        QCOMPARE(schedule.status, 0);
        QCOMPARE(QString::number(schedule.output[QLatin1String("temperature")].toDouble(), 'f', 2),
                 QStringLiteral("8735.63"));
    }

    void instantsAreTakenInIso8601_data()
    {
        QTest::addColumn<QString>("at");
        QTest::newRow("milliseconds") << QString::number(berlinMs("2026-06-10T21:45:00"));
        QTest::newRow("with offset") << QStringLiteral("2026-06-10T21:45:00+02:00");
        QTest::newRow("in UTC") << QStringLiteral("2026-06-10T19:45:00Z");
        QTest::newRow("local time") << QStringLiteral("2026-06-10T21:45:00");
        QTest::newRow("with milliseconds") << QStringLiteral("2026-06-10T21:45:00.000+02:00");
    }

    void instantsAreTakenInIso8601()
    {
        QFETCH(QString, at);
        const Run run = kavoctl({"sun", "--latitude=52.52", "--longitude=13.405", "--at=" + at});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.output[QLatin1String("at")].toDouble(),
                 double(berlinMs("2026-06-10T21:45:00")));
    }

    void sunDefaultsToTheDesktopClock()
    {
        const QString config = m_dir.filePath(QStringLiteral("clock.json"));
        QFile file(config);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"clock": {"now": "2026-12-21T12:00:00+01:00", "running": false}})");
        file.close();
        const QStringList place = {"sun", "--latitude", "69.65", "--longitude", "18.96"};
        const Run now = kavoctl(place, config);
        const Run fixed =
            kavoctl(place + QStringList{"--at", QString::number(berlinMs("2026-12-21T12:00:00"))});
        QCOMPARE(now.status, 0);
        QCOMPARE(now.output, fixed.output);
        QCOMPARE(now.output[QLatin1String("day_length")].toString(), QStringLiteral("0 sec"));
    }
};

QTEST_GUILESS_MAIN(TestKavoctlSchedule)
#include "tst_kavoctl_schedule.moc"
