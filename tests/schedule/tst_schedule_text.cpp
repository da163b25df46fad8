#include "DefaultSettings.h"
#include "schedule/ScheduleText.h"
#include "schedule/TransitionTimesInfo.h"

#include <QDateTime>
#include <QtTest>

namespace {
const double kSummerEvening = static_cast<double>(
    QDateTime::fromString(QStringLiteral("2026-06-10T21:45:00+02:00"), Qt::ISODate)
        .toMSecsSinceEpoch());
} // namespace

class TestScheduleText : public QObject
{
    Q_OBJECT

private slots:
    void durations_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "0 sec";
        QTest::newRow("one hour") << qint64(3600) << "1 hour ";
        QTest::newRow("hour and a half") << qint64(5400) << "1 hour 30 min ";
        QTest::newRow("all three") << qint64(3661) << "1 hour 1 min 1 sec ";
        QTest::newRow("seconds only") << qint64(59) << "59 sec ";
        QTest::newRow("a whole day") << qint64(86400) << "24 hour ";
    }

    void durations()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(ScheduleText::duration(seconds), text);
    }

    void durationsBetweenTimesOfDay_data()
    {
        QTest::addColumn<int>("startHours");
        QTest::addColumn<int>("startMinutes");
        QTest::addColumn<int>("endHours");
        QTest::addColumn<int>("endMinutes");
        QTest::addColumn<QString>("text");
        QTest::newRow("across midnight") << 22 << 0 << 7 << 0 << "9 hour ";
        QTest::newRow("same day") << 6 << 0 << 20 << 30 << "14 hour 30 min ";
        QTest::newRow("equal") << 4 << 0 << 4 << 0 << "0 sec";
    }

    void durationsBetweenTimesOfDay()
    {
        QFETCH(int, startHours);
        QFETCH(int, startMinutes);
        QFETCH(int, endHours);
        QFETCH(int, endMinutes);
        QFETCH(QString, text);
        QCOMPARE(ScheduleText::durationBetween(startHours, startMinutes, endHours, endMinutes),
                 text);
    }

    void transitionStartsWrapToThePreviousDay_data()
    {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("duration");
        QTest::addColumn<QString>("text");
        QTest::newRow("same day") << 22 << 0 << 1800 << "21:30:00";
        QTest::newRow("before midnight") << 0 << 15 << 1800 << "23:45:00";
        QTest::newRow("no transition") << 6 << 0 << 0 << "06:00:00";
    }

    void transitionStartsWrapToThePreviousDay()
    {
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(int, duration);
        QFETCH(QString, text);
        const ScheduleText clock(ScheduleText::Style::Clock);
        QCOMPARE(clock.transitionStart(hours, minutes, duration), text);
    }

    void solarStyleNamesTheZoneOfTheDate()
    {
        const ScheduleText winter(ScheduleText::Style::Solar, QDate(2026, 1, 10));
        const ScheduleText summer(ScheduleText::Style::Solar, QDate(2026, 6, 10));
        QCOMPARE(winter.timeOfDay(23, 0), QStringLiteral("23:00:00 CET"));
        QCOMPARE(summer.timeOfDay(23, 0), QStringLiteral("23:00:00 CEST"));
    }

    void clockInformationText()
    {
        SettingsMap settings = defaultSettings();
        settings.insert(QStringLiteral("UseManualNightDuration"), true);
        settings.insert(QStringLiteral("NightStartTimeHours"), 22);
        settings.insert(QStringLiteral("NightEndTimeHours"), 7);
        settings.insert(QStringLiteral("NightEndTimeMinutes"), 30);
        settings.insert(QStringLiteral("DayTransitionDuration"), 1800);
        const QString text =
            TransitionTimesInfo::text(settings, Location{52.52, 13.405}, kSummerEvening);
        const QStringList lines = text.split(QLatin1Char('\n'));
        QCOMPARE(lines.first(), QStringLiteral("CLICK TO COPY THE TEXT TO CLIPBOARD"));
        QVERIFY(text.endsWith(QStringLiteral("\n\nCLICK TO COPY THE TEXT TO CLIPBOARD\n")));
        const QStringList expected = {
            "Local time - 21:45:00 CEST",
            "UTC time - 19:45:00 UTC",
            "Day start time - 07:30:00",
            "Day transition start time - 07:00:00",
            "Day end time - 22:00:00",
            "Night transition start time - 21:00:00",
            "Night end time - 07:30:00",
            "Bedtime - 00:00:00",
            "Bedtime transition start time - 23:00:00",
            "Wake time end time - 00:00:00",
            "Day duration - 14 hour 30 min ",
            "Day transition duration - 30 min ",
            "Night duration - 9 hour 30 min ",
            "Sleep duration - 4 hour ",
            "Latitude - 52.52",
            "Use Automatic Location - true",
            "Use Manual Night Duration - true",
        };
        for (const QString& line : expected)
            QVERIFY2(lines.contains(line), qPrintable(line + QStringLiteral(" in\n") + text));
        QVERIFY(!text.contains(QStringLiteral("Sunrise time")));
    }

    void solarInformationText()
    {
        SettingsMap settings = defaultSettings();
        settings.insert(QStringLiteral("NewMoonOffset"), 0);
        settings.insert(QStringLiteral("FullMoonOffset"), 0);
        const QString text =
            TransitionTimesInfo::text(settings, Location{52.52, 13.405}, kSummerEvening);
        const QStringList lines = text.split(QLatin1Char('\n'));
        // Berlin, 10 June 2026: sunrise 04:44, sunset 21:27 (CEST).
        for (const char* line : {"Time zone - CEST", "Current moon offset - 0 sec",
                                 "Day transition duration - 1 hour "}) {
            QVERIFY2(lines.contains(QLatin1String(line)), line);
        }
        const QString sunrise = lines.filter(QStringLiteral("Sunrise time - ")).value(0);
        const QString dayStart = lines.filter(QStringLiteral("Day start time - ")).value(0);
        QVERIFY2(sunrise.startsWith(QStringLiteral("Sunrise time - 04:4")), qPrintable(sunrise));
        QCOMPARE(dayStart.mid(dayStart.indexOf(QLatin1String(" - "))),
                 sunrise.mid(sunrise.indexOf(QLatin1String(" - "))));
        QVERIFY(lines.filter(QStringLiteral("Sunset time - 21:2")).size() == 1);
        QVERIFY(lines.filter(QStringLiteral("Day duration - 16 hour 4")).size() == 1);
        QVERIFY(lines.filter(QStringLiteral("Night duration - 7 hour 1")).size() == 1);
    }
};

QTEST_GUILESS_MAIN(TestScheduleText)
#include "tst_schedule_text.moc"
