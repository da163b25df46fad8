#include "schedule/ScheduleText.h"
#include "schedule/SunMath.h"

#include <QDateTime>
#include <QtTest>

#include <cmath>
#include <ctime>

Q_DECLARE_METATYPE(Daylight)

namespace {
double utcMs(const char* isoDateTime)
{
    return static_cast<double>(
        QDateTime::fromString(QLatin1String(isoDateTime), Qt::ISODate).toMSecsSinceEpoch());
}

void useTimeZone(const QByteArray& zone)
{
    qputenv("TZ", zone);
    tzset();
}

constexpr double kMinuteMs = 60000.0;
} // namespace

class TestSun : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { useTimeZone("Europe/Berlin"); }

    void equatorOnEquinoxHasTwelveHourDayAroundNoonUtc()
    {
        useTimeZone("UTC");
        const SunEvents sun = sunEvents(0.0, 0.0, utcMs("2026-03-20T09:00:00Z"));
        QCOMPARE(sun.daylight, Daylight::Normal);
        QVERIFY(std::fabs(sun.sunsetMs - sun.sunriseMs - 12 * 60 * kMinuteMs) < 10 * kMinuteMs);
        const double middle = (sun.sunriseMs + sun.sunsetMs) / 2.0;
        QVERIFY(std::fabs(middle - utcMs("2026-03-20T12:00:00Z")) < 10 * kMinuteMs);
    }

    void eventsFallOnTheLocalDateAsked_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<QString>("instant");
        QTest::newRow("Berlin, late evening")
            << QByteArray("Europe/Berlin") << 52.52 << 13.405 << "2026-06-10T23:59:00+02:00";
        QTest::newRow("Berlin, just after midnight")
            << QByteArray("Europe/Berlin") << 52.52 << 13.405 << "2026-06-10T00:01:00+02:00";
        QTest::newRow("Tokyo, UTC date behind")
            << QByteArray("Asia/Tokyo") << 35.68 << 139.69 << "2026-06-10T05:00:00+09:00";
        QTest::newRow("Los Angeles, UTC date ahead")
            << QByteArray("America/Los_Angeles") << 34.05 << -118.24 << "2026-06-10T20:00:00-07:00";
    }

    void eventsFallOnTheLocalDateAsked()
    {
        QFETCH(QByteArray, zone);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        QFETCH(QString, instant);
        useTimeZone(zone);
        const double at =
            static_cast<double>(QDateTime::fromString(instant, Qt::ISODate).toMSecsSinceEpoch());
        const SunEvents sun = sunEvents(latitude, longitude, at);
        const QDate date = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(at)).date();
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(sun.sunriseMs)).date(), date);
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(sun.sunsetMs)).date(), date);
        QVERIFY(sun.sunsetMs > sun.sunriseMs);
    }

    void dayLengthWrapsWhenSunsetComesFirst()
    {
        // Far east of the system's zone the local sunset comes before the local sunrise.
        useTimeZone("UTC");
        const SunEvents sun = sunEvents(0.0, 170.0, utcMs("2026-03-20T12:00:00Z"));
        QVERIFY(sun.sunriseMs > sun.sunsetMs);
        const int64_t length = ScheduleText::dayLengthSeconds(sun);
        QVERIFY2(std::abs(length - 12 * 3600) < 600,
                 QByteArray::number(qint64(length)).constData());
    }

    void polarDatesAreWholeDayOrNight_data()
    {
        QTest::addColumn<double>("latitude");
        QTest::addColumn<QString>("instant");
        QTest::addColumn<Daylight>("daylight");
        QTest::addColumn<int>("dayLength");
        QTest::newRow("Tromso midsummer")
            << 69.65 << "2026-06-21T12:00:00Z" << Daylight::PolarDay << 86400;
        QTest::newRow("Tromso midwinter")
            << 69.65 << "2026-12-21T12:00:00Z" << Daylight::PolarNight << 0;
        QTest::newRow("McMurdo midwinter")
            << -77.85 << "2026-06-21T12:00:00Z" << Daylight::PolarNight << 0;
        QTest::newRow("north pole, summer")
            << 90.0 << "2026-06-21T12:00:00Z" << Daylight::PolarDay << 86400;
        QTest::newRow("south pole, summer")
            << -90.0 << "2026-12-21T12:00:00Z" << Daylight::PolarDay << 86400;
    }

    void polarDatesAreWholeDayOrNight()
    {
        QFETCH(double, latitude);
        QFETCH(QString, instant);
        QFETCH(Daylight, daylight);
        QFETCH(int, dayLength);
        const double at =
            static_cast<double>(QDateTime::fromString(instant, Qt::ISODate).toMSecsSinceEpoch());
        const SunEvents sun = sunEvents(latitude, 18.96, at);
        QCOMPARE(sun.daylight, daylight);
        QVERIFY(std::isfinite(sun.sunriseMs) && std::isfinite(sun.sunsetMs));
        QCOMPARE(ScheduleText::dayLengthSeconds(sun), int64_t(dayLength));
    }

    void moonFractionFollowsThePhases_data()
    {
        QTest::addColumn<QString>("instant");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("new moon 2024-01-11") << "2024-01-11T11:57:00Z" << 0.0 << 0.005;
        QTest::newRow("full moon 2024-01-25") << "2024-01-25T17:54:00Z" << 1.0 << 0.005;
        QTest::newRow("first quarter 2024-01-18") << "2024-01-18T03:53:00Z" << 0.5 << 0.03;
        QTest::newRow("eclipse new moon 2024-04-08") << "2024-04-08T18:21:00Z" << 0.0 << 0.005;
        QTest::newRow("eclipse full moon 2025-03-14") << "2025-03-14T06:55:00Z" << 1.0 << 0.005;
    }

    void moonFractionFollowsThePhases()
    {
        QFETCH(QString, instant);
        QFETCH(double, fraction);
        QFETCH(double, tolerance);
        const double seconds = QDateTime::fromString(instant, Qt::ISODate).toSecsSinceEpoch();
        const double lit = moonFraction(seconds);
        QVERIFY2(std::fabs(lit - fraction) <= tolerance, QByteArray::number(lit).constData());
    }

    void moonOffsetMixesTheTwoOffsets_data()
    {
        QTest::addColumn<double>("fraction");
        QTest::addColumn<float>("offset");
        QTest::newRow("new moon") << 0.0 << 300.0f;
        QTest::newRow("full moon") << 1.0 << 1200.0f;
        QTest::newRow("half") << 0.5 << 750.0f;
    }

    void moonOffsetMixesTheTwoOffsets()
    {
        QFETCH(double, fraction);
        QFETCH(float, offset);
        QCOMPARE(moonOffset(fraction, 300, 1200), offset);
    }
};

QTEST_GUILESS_MAIN(TestSun)
#include "tst_sun.moc"
