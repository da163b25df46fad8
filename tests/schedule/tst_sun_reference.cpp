// Sunrise and sunset against an independent almanac (astral). Kavo's formulas are the simple
// ones: between 60 degrees south and north they stay within about four minutes of a precise
// almanac, so a gap of five minutes or more is a fault in the arithmetic.
#include "schedule/SunMath.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include <cmath>
#include <ctime>

namespace {
struct City
{
    const char* name;
    const char* zone;
    double latitude;
    double longitude;
};

const City kCities[] = {
    {"Berlin", "Europe/Berlin", 52.52, 13.405},
    {"Oslo", "Europe/Oslo", 59.91, 10.75},
    {"New York", "America/New_York", 40.7128, -74.006},
    {"Honolulu", "Pacific/Honolulu", 21.3069, -157.8583},
    {"Quito", "America/Guayaquil", -0.1807, -78.4678},
    {"Buenos Aires", "America/Argentina/Buenos_Aires", -34.6037, -58.3816},
    {"Cape Town", "Africa/Johannesburg", -33.9249, 18.4241},
    {"Delhi", "Asia/Kolkata", 28.6139, 77.209},
    {"Tokyo", "Asia/Tokyo", 35.6762, 139.6503},
    {"Sydney", "Australia/Sydney", -33.8688, 151.2093},
};

// Equinoxes, solstices and the European and American daylight-saving days.
const char* const kDates[] = {"2026-03-20", "2026-03-29", "2026-06-21",
                              "2026-09-23", "2026-11-01", "2026-12-21"};

constexpr double kToleranceMs = 5 * 60000.0;

void useTimeZone(const char* zone)
{
    qputenv("TZ", zone);
    tzset();
}
} // namespace

class TestSunReference : public QObject
{
    Q_OBJECT

private:
    QJsonArray m_reference;
    double m_largestGapMs = 0.0;
    QString m_largestGapCase;

    static double closest(const QJsonArray& candidates, const char* key, double ours)
    {
        double best = std::nan("");
        for (const QJsonValue& candidate : candidates) {
            const double value = candidate.toObject()[QLatin1String(key)].toDouble();
            if (std::isnan(best) || std::fabs(value - ours) < std::fabs(best - ours))
                best = value;
        }
        return best;
    }

    void compare(const QString& name, const char* key, double ours, const QJsonArray& reference)
    {
        const double gap = std::fabs(closest(reference, key, ours) - ours);
        if (gap > m_largestGapMs) {
            m_largestGapMs = gap;
            m_largestGapCase = name + QLatin1Char(' ') + QLatin1String(key);
        }
        QVERIFY2(gap < kToleranceMs, qPrintable(QStringLiteral("%1 %2 off by %3 s")
                                                    .arg(name, QLatin1String(key))
                                                    .arg(gap / 1000.0)));
    }

private slots:
    void initTestCase()
    {
        QJsonArray cases;
        for (const City& city : kCities) {
            for (const char* date : kDates) {
                cases.append(QJsonObject{{"latitude", city.latitude},
                                         {"longitude", city.longitude},
                                         {"date", QLatin1String(date)}});
            }
        }
        QProcess almanac;
        almanac.start(QStringLiteral("/usr/bin/python3"), {qEnvironmentVariable("SUN_REFERENCE")});
        QVERIFY2(almanac.waitForStarted(), "python3 is installed by scripts/install-deps.sh");
        almanac.write(QJsonDocument(cases).toJson());
        almanac.closeWriteChannel();
        QVERIFY(almanac.waitForFinished(60000));
        QVERIFY2(almanac.exitCode() == 0, almanac.readAllStandardError().constData());
        m_reference = QJsonDocument::fromJson(almanac.readAllStandardOutput()).array();
        QCOMPARE(m_reference.size(), cases.size());
    }

    void cleanupTestCase()
    {
        qInfo("largest gap: %.0f s (%s)", m_largestGapMs / 1000.0, qPrintable(m_largestGapCase));
    }

    void matchesTheAlmanac_data()
    {
        QTest::addColumn<int>("city");
        QTest::addColumn<int>("date");
        for (int c = 0; c < int(std::size(kCities)); ++c) {
            for (int d = 0; d < int(std::size(kDates)); ++d) {
                QTest::addRow("%s %s", kCities[c].name, kDates[d]) << c << d;
            }
        }
    }

    void matchesTheAlmanac()
    {
        QFETCH(int, city);
        QFETCH(int, date);
        const City& place = kCities[city];
        useTimeZone(place.zone);
        const QDateTime noon(QDate::fromString(QLatin1String(kDates[date]), Qt::ISODate),
                             QTime(12, 0));
        const SunEvents sun = sunEvents(place.latitude, place.longitude,
                                        static_cast<double>(noon.toMSecsSinceEpoch()));
        QCOMPARE(sun.daylight, Daylight::Normal);
        const QJsonArray reference = m_reference.at(city * int(std::size(kDates)) + date).toArray();
        QVERIFY(!reference.isEmpty());
        const QString name = QLatin1String(place.name) + QLatin1Char(' ') + kDates[date];
        compare(name, "sunrise", sun.sunriseMs, reference);
        compare(name, "sunset", sun.sunsetMs, reference);
    }
};

QTEST_GUILESS_MAIN(TestSunReference)
#include "tst_sun_reference.moc"
