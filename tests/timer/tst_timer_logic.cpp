// The break timer's arithmetic: remaining-time texts, the big rest message, inactivity
// counting and where the corner windows go.
#include "screens/WindowPlacement.h"
#include "timer/BigRestMessage.h"
#include "timer/InactivityWatch.h"
#include "timer/TimeFormat.h"

#include <QtTest>

class TestTimerLogic : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Kavo")); }

    void formatsRemainingTimes_data()
    {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("longText");
        QTest::addColumn<QString>("shortText");
        QTest::newRow("nothing left") << qint64(0) << "0 sec"
                                      << "0:00";
        QTest::newRow("inactive timer") << qint64(-1) << "0 sec"
                                        << "0:00";
        QTest::newRow("just under a second") << qint64(999) << "0 sec"
                                             << "0:00";
        QTest::newRow("9 s") << qint64(9000) << "9 sec"
                             << "0:09";
        QTest::newRow("59 s") << qint64(59999) << "59 sec"
                              << "0:59";
        QTest::newRow("one minute") << qint64(60000) << "1 min 0 sec"
                                    << "01:00";
        QTest::newRow("5 min 30 s") << qint64(330000) << "5 min 30 sec"
                                    << "05:30";
        QTest::newRow("one hour") << qint64(3600000) << "1 hour 0 min 0 sec"
                                  << "01:00:00";
        QTest::newRow("1 h 2 min 5 s") << qint64(3725000) << "1 hour 2 min 5 sec"
                                       << "01:02:05";
        QTest::newRow("over a day") << qint64(90061000) << "25 hour 1 min 1 sec"
                                    << "25:01:01";
    }

    void formatsRemainingTimes()
    {
        QFETCH(qint64, ms);
        QFETCH(QString, longText);
        QFETCH(QString, shortText);
        QCOMPARE(TimeFormat::long_text(ms), longText);
        QCOMPARE(TimeFormat::short_text(ms), shortText);
    }

    void announcesBigRests_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<qint64>("remaining");
        QTest::addColumn<qint64>("interval");
        QTest::addColumn<QString>("message");
        const qint64 hour = 3600000;
        QTest::newRow("a tenth of an hour")
            << 2 << qint64(360500) << hour
            << "Kavo reminds you that a big rest will occur in 6 minutes.";
        QTest::newRow("one second later") << 2 << qint64(359500) << hour << "";
        QTest::newRow("30 seconds") << 3 << qint64(30999) << hour
                                    << "Kavo reminds you that a big rest will occur in 30 seconds.";
        QTest::newRow("5-minute interval: no tenth") << 2 << qint64(30000) << qint64(300000)
                                                     << "Kavo reminds you that a big rest will "
                                                        "occur in 30 seconds.";
        QTest::newRow("5-minute interval at its tenth")
            << 2 << qint64(30000 - 1000) << qint64(300000) << "";
        QTest::newRow("productive") << 4 << qint64(30000) << hour << "";
        QTest::newRow("10 minutes") << 2 << qint64(60000) << qint64(600000)
                                    << "Kavo reminds you that a big rest will occur in 1 minutes.";
    }

    void announcesBigRests()
    {
        QFETCH(int, type);
        QFETCH(qint64, remaining);
        QFETCH(qint64, interval);
        QFETCH(QString, message);
        QCOMPARE(big_rest_message(type, remaining, interval).value_or(QString()), message);
    }

    // Each row: the update ticks in order, as "i" (idle tick), "a" (input, then a tick),
    // "r" (an idle tick during a rest), "p" (a tick while the user paused the timer);
    // and the actions those ticks asked for.
    void stopsAndRestartsForInactivity_data()
    {
        QTest::addColumn<QString>("ticks");
        QTest::addColumn<QString>("actions");
        const QString idle120 = QString(120, QLatin1Char('i'));
        const QString quiet120 = QString(120, QLatin1Char('-'));
        QTest::newRow("120 idle ticks are not yet idle") << idle120 << quiet120;
        QTest::newRow("the 121st stops the timer once") << idle120 + "iii" << quiet120 + "S--";
        QTest::newRow("input restarts it at the next tick") << idle120 + "ia" << quiet120 + "SR";
        QTest::newRow("never during a rest") << idle120 + "rr" << quiet120 + "--";
        QTest::newRow("a rest that ended lets it stop") << idle120 + "ri" << quiet120 + "-S";
        QTest::newRow("nothing while paused by the user") << idle120 + "pppi" << quiet120 + "---S";
    }

    void stopsAndRestartsForInactivity()
    {
        QFETCH(QString, ticks);
        QFETCH(QString, actions);
        InactivityWatch watch;
        QString seen;
        for (const QChar tick : ticks) {
            if (tick == QLatin1Char('a'))
                watch.reset();
            const InactivityWatch::Action action =
                watch.tick(true, tick == QLatin1Char('p'), true, tick == QLatin1Char('r'));
            seen += action == InactivityWatch::Action::StopTimer    ? QLatin1Char('S')
                    : action == InactivityWatch::Action::StartTimer ? QLatin1Char('R')
                                                                    : QLatin1Char('-');
        }
        QCOMPARE(seen, actions);
    }

    void withoutWatchingAStoppedTimerRestarts()
    {
        InactivityWatch watch;
        for (int i = 0; i < 121; ++i)
            watch.tick(true, false, true, false);
        QVERIFY(watch.stopped_timer());
        QCOMPARE(watch.tick(false, false, true, false), InactivityWatch::Action::StartTimer);
        QVERIFY(!watch.stopped_timer());
    }

    void placesCornerWindows()
    {
        const QRect available(0, 0, 1920, 1040);
        QCOMPARE(WindowPlacement::top_right(available, 300, 60), QRect(1599, 0, 320, 80));
        QCOMPARE(WindowPlacement::bottom_right(available, 300, 100), QRect(1619, 939, 300, 100));
        QVERIFY(!WindowPlacement::is_page_size(0, 60));
        QVERIFY(!WindowPlacement::is_page_size(300, -1));
        QVERIFY(!WindowPlacement::is_page_size(300, 1 << 20));
    }

    void findsThePrimaryMonitor()
    {
        QCOMPARE(WindowPlacement::primary_monitor_index({}), -1);
        QCOMPARE(WindowPlacement::primary_monitor_index(
                     {QRect(-1920, 0, 1920, 1080), QRect(0, 0, 2560, 1440)}),
                 1);
        QCOMPARE(WindowPlacement::primary_monitor_index({QRect(100, 100, 800, 600)}), 0);
    }
};

QTEST_GUILESS_MAIN(TestTimerLogic)
#include "tst_timer_logic.moc"
