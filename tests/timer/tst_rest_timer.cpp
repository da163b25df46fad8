// The break timer as a state machine on the simulated desktop: every timer type through its
// phases, postponing, pausing, resetting and stopping, the texts and the sounds.
#include "TimerDesktop.h"

#include "screens/ProductiveScreen.h"
#include "timer/TimerTypes.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <algorithm>

namespace {
constexpr qint64 kWork = 20 * 60000;
constexpr qint64 kRest = 20000;
constexpr qint64 kPostpone = 180000;
// The timers run while the test does its steps: remaining times are compared within this.
constexpr qint64 kSlack = 5000;

using Phase = RestTimer::Phase;

// Whether the timer's own second tick runs.
bool ticks(const RestTimer& timer)
{
    const QList<QTimer*> timers =
        timer.findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
    return std::any_of(timers.begin(), timers.end(), [](const QTimer* tick) {
        return tick->isActive() && !tick->isSingleShot();
    });
}
} // namespace

Q_DECLARE_METATYPE(RestTimer::Phase)

class TestRestTimer : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TimerDesktop> m_desktop;

    // Runs the named steps: what the work and rest timers' timeouts, the windows' buttons,
    // the tray and the App do.
    static void run(RestTimer& timer, TimerDesktop& desktop, const QStringList& steps)
    {
        for (const QString& step : steps) {
            if (step == "work ends")
                timer.start_rest();
            else if (step == "rest ends")
                timer.call_end_rest();
            else if (step == "continue")
                timer.end_rest();
            else if (step == "postpone")
                timer.postpone_rest();
            else if (step == "pause/resume")
                timer.pause_resume_timer();
            else if (step == "reset")
                timer.reset_timer();
            else if (step == "toggle")
                timer.toggle_timer();
            else if (step == "stop")
                timer.stop_timer();
            else if (step == "start")
                timer.start_timer();
            else if (step == "held")
                desktop.held = true;
            else
                QFAIL(qPrintable("unknown step " + step));
        }
    }

private slots:
    void init() { m_desktop = std::make_unique<TimerDesktop>(); }
    void cleanup() { m_desktop.reset(); }

    void walksThroughItsPhases_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("autoClose");
        QTest::addColumn<int>("screenType");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<Phase>("phase");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<int>("restWindows");
        QTest::addColumn<qint64>("workLeft"); // -1: no work interval
        QTest::addColumn<qint64>("restLeft"); // -1: no rest interval

        const int lite = RestScreenType::Lite;
        QTest::newRow("normal: working") << 2 << true << lite << QStringList{} << Phase::Work
                                         << false << 0 << kWork << qint64(-1);
        QTest::newRow("normal: resting on both monitors")
            << 2 << true << lite << QStringList{"work ends"} << Phase::Rest << false << 2
            << qint64(-1) << kRest;
        QTest::newRow("normal: rest closes itself")
            << 2 << true << lite << QStringList{"work ends", "rest ends"} << Phase::Work << false
            << 0 << kWork << qint64(-1);
        QTest::newRow("normal: rest waits for continue")
            << 2 << false << lite << QStringList{"work ends", "rest ends"} << Phase::Rest << false
            << 2 << qint64(-1) << qint64(-1);
        QTest::newRow("normal: continue starts work")
            << 2 << false << lite << QStringList{"work ends", "rest ends", "continue"}
            << Phase::Work << false << 0 << kWork << qint64(-1);
        QTest::newRow("strict: resting") << 3 << true << 2 << QStringList{"work ends"}
                                         << Phase::Rest << false << 2 << qint64(-1) << kRest;
        QTest::newRow("strict: waits for continue")
            << 3 << false << 3 << QStringList{"work ends", "rest ends"} << Phase::Rest << false << 2
            << qint64(-1) << qint64(-1);
        QTest::newRow("productive: a rest without windows")
            << 4 << false << lite << QStringList{"work ends"} << Phase::Rest << false << 0
            << qint64(-1) << kRest;
        QTest::newRow("productive: work follows at once")
            << 4 << false << lite << QStringList{"work ends", "rest ends"} << Phase::Work << false
            << 0 << kWork << qint64(-1);
        QTest::newRow("off") << 1 << true << lite << QStringList{} << Phase::Off << true << 0
                             << qint64(-1) << qint64(-1);
        QTest::newRow("postponed") << 2 << true << lite << QStringList{"postpone"} << Phase::Work
                                   << false << 0 << kWork + kPostpone << qint64(-1);
        QTest::newRow("postponed twice")
            << 2 << true << lite << QStringList{"postpone", "postpone"} << Phase::Work << false << 0
            << kWork + 2 * kPostpone << qint64(-1);
        QTest::newRow("reset after postponing")
            << 2 << true << lite << QStringList{"postpone", "reset"} << Phase::Work << false << 0
            << kWork << qint64(-1);
        QTest::newRow("paused at work") << 2 << true << lite << QStringList{"pause/resume"}
                                        << Phase::Work << true << 0 << kWork << qint64(-1);
        QTest::newRow("resumed at work")
            << 2 << true << lite << QStringList{"pause/resume", "pause/resume"} << Phase::Work
            << false << 0 << kWork << qint64(-1);
        QTest::newRow("paused in a rest: windows stay")
            << 2 << true << lite << QStringList{"work ends", "pause/resume"} << Phase::Rest << true
            << 2 << qint64(-1) << kRest;
        QTest::newRow("resumed in a rest")
            << 2 << true << lite << QStringList{"work ends", "pause/resume", "pause/resume"}
            << Phase::Rest << false << 2 << qint64(-1) << kRest;
        QTest::newRow("continue while paused waits for resume")
            << 2 << true << lite << QStringList{"work ends", "pause/resume", "continue"}
            << Phase::Work << true << 0 << kWork << qint64(-1);
        QTest::newRow("toggled into a rest") << 2 << true << lite << QStringList{"toggle"}
                                             << Phase::Rest << false << 2 << qint64(-1) << kRest;
        QTest::newRow("toggled back to work")
            << 2 << true << lite << QStringList{"toggle", "toggle"} << Phase::Work << false << 0
            << kWork << qint64(-1);
        QTest::newRow("stopped") << 2 << true << lite << QStringList{"stop"} << Phase::Off << true
                                 << 0 << qint64(-1) << qint64(-1);
        QTest::newRow("started after a stop")
            << 2 << true << lite << QStringList{"pause/resume", "stop", "start"} << Phase::Work
            << false << 0 << kWork << qint64(-1);
        QTest::newRow("resume with nothing paused starts work")
            << 2 << true << lite << QStringList{"stop", "pause/resume"} << Phase::Work << false << 0
            << kWork << qint64(-1);
        QTest::newRow("a held timer does not resume")
            << 2 << true << lite << QStringList{"pause/resume", "held", "pause/resume"}
            << Phase::Work << true << 0 << kWork << qint64(-1);
        QTest::newRow("no rest window: the rest ends by itself")
            << 2 << false << 7 << QStringList{"work ends", "rest ends"} << Phase::Work << false << 0
            << kWork << qint64(-1);
    }

    void walksThroughItsPhases()
    {
        QFETCH(int, type);
        QFETCH(bool, autoClose);
        QFETCH(int, screenType);
        QFETCH(QStringList, steps);
        QFETCH(Phase, phase);
        QFETCH(bool, paused);
        QFETCH(int, restWindows);
        QFETCH(qint64, workLeft);
        QFETCH(qint64, restLeft);

        RestTimer& timer = m_desktop->start(type, kWork, kRest, screenType, autoClose);
        run(timer, *m_desktop, steps);

        QCOMPARE(timer.phase(), phase);
        QCOMPARE(timer.is_paused(), paused);
        QCOMPARE(timer.rest_screens().covered_monitors().size(), restWindows);
        QVERIFY(timer.is_rest_started() == (!paused && restLeft > 0));
        const qint64 work = timer.get_remaining_work_int();
        const qint64 rest = timer.get_remaining_rest_int();
        QVERIFY2(workLeft < 0 ? work < 0 : qAbs(work - workLeft) < kSlack,
                 qPrintable(QString::number(work)));
        QVERIFY2(restLeft < 0 ? rest < 0 : qAbs(rest - restLeft) < kSlack,
                 qPrintable(QString::number(rest)));
        // A timer that is off or paused costs nothing: its second tick runs only while
        // something counts down or a rest window is up.
        QCOMPARE(ticks(timer), !paused || restWindows > 0);
    }

    void productiveWindowFollowsTheType()
    {
        RestTimer& timer = m_desktop->start(TimerType::Productive, kWork, kRest);
        QVERIFY(timer.productive_screen());
        QTRY_COMPARE(m_desktop->windows("ProductiveScreen").size(), 1);
        timer.set_timer_type(TimerType::Normal);
        QVERIFY(!timer.productive_screen());
        timer.set_timer_type(TimerType::Productive);
        QVERIFY(timer.productive_screen());
        timer.set_timer_type(TimerType::Off);
        QVERIFY(!timer.productive_screen());
    }

    void newTimesRestartTheRunningInterval()
    {
        RestTimer& timer = m_desktop->start(TimerType::Normal, kWork, kRest);
        timer.postpone_rest();
        timer.set_times(20, 20, 3); // the same lengths: nothing changes
        QVERIFY(timer.get_remaining_work_int() > kWork);
        timer.set_times(5, 20, 3);
        QVERIFY(qAbs(timer.get_remaining_work_int() - 5 * 60000) < kSlack);
        timer.start_rest();
        timer.set_times(5, 40, 3);
        QVERIFY(qAbs(timer.get_remaining_rest_int() - 40000) < kSlack);
    }

    void hugeTimesWaitAsLongAsTheyCan()
    {
        RestTimer& timer = m_desktop->start(TimerType::Normal, kWork, kRest);
        timer.set_times(20, 20, 2000000000);
        timer.postpone_rest();
        const qint64 tenDays = qint64(10) * 24 * 3600 * 1000;
        QVERIFY2(timer.get_remaining_work_int() > tenDays,
                 qPrintable(QString::number(timer.get_remaining_work_int())));
    }

    void offersToPostponeTenSecondsBefore_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("offers");
        QTest::newRow("normal") << 2 << true << 1;
        QTest::newRow("strict") << 3 << true << 1;
        QTest::newRow("productive") << 4 << true << 0;
        QTest::newRow("notification off") << 2 << false << 0;
    }

    void offersToPostponeTenSecondsBefore()
    {
        QFETCH(int, type);
        QFETCH(bool, enabled);
        QFETCH(int, offers);
        m_desktop->settings.insert("UsePostponeNotification", enabled);
        RestTimer& timer = m_desktop->start(type, 10900, kRest);
        timer.update_rest_timer();
        timer.update_rest_timer(); // one offer, however often the second is seen
        QCOMPARE(timer.has_postpone_window(), offers == 1);
        QTRY_COMPARE(m_desktop->windows("PostponeBreak").size(), offers);
        if (offers == 0)
            return;
        timer.postpone_rest();
        QVERIFY(!timer.has_postpone_window());
        QVERIFY(timer.get_remaining_work_int() > kPostpone);
    }

    void theRestStartClosesThePostponeOffer()
    {
        RestTimer& timer = m_desktop->start(TimerType::Normal, 10900, kRest);
        timer.update_rest_timer();
        QVERIFY(timer.has_postpone_window());
        timer.start_rest();
        QVERIFY(!timer.has_postpone_window());
    }

    void tellsThePageWhatIsLeft()
    {
        RestTimer& timer = m_desktop->start(TimerType::Normal, 12 * 60000 + 5500, kRest);
        QSignalSpy texts(&timer, &RestTimer::remaining_time_changed);
        QSignalSpy messages(&timer, &RestTimer::timer_message_changed);
        timer.update_timer_ui();
        QCOMPARE(texts.count(), 1);
        QCOMPARE(texts.at(0).at(0).toString().left(6), QStringLiteral("12 min"));
        QCOMPARE(texts.at(0).at(1).toString(), QStringLiteral("until"));
        QCOMPARE(texts.at(0).at(2).toString(), QStringLiteral("rest"));
        QCOMPARE(timer.get_timer_strings().value(2), QStringLiteral("rest"));

        timer.start_rest();
        timer.update_timer_ui();
        QCOMPARE(texts.last().at(2).toString(), QStringLiteral("work"));
        QVERIFY(texts.last().at(0).toString().endsWith(QStringLiteral(" sec")));

        m_desktop->held = true;
        timer.update_timer_ui();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.at(0).at(0).toString(), QStringLiteral(" "));
        QCOMPARE(timer.get_timer_strings().value(0), QStringLiteral(" "));
    }

    void announcesTheBigRest()
    {
        RestTimer& timer = m_desktop->start(TimerType::Normal, 30900, kRest);
        QSignalSpy announced(&timer, &RestTimer::big_rest_incoming);
        timer.update_timer_ui();
        QCOMPARE(announced.count(), 1);
        QCOMPARE(announced.at(0).at(0).toString(), QStringLiteral("Big rest incoming"));
        m_desktop->settings.insert("UseBigRestIncomingNotification", false);
        timer.reset_timer();
        timer.update_timer_ui();
        QCOMPARE(announced.count(), 1);
    }

    void bipsInTheLastSeconds()
    {
        m_desktop->settings.insert("UseSounds", true);
        RestTimer& timer = m_desktop->start(TimerType::Normal, 5000, 2500, 1, false);
        timer.update_timer_ui();
        QCOMPARE(m_desktop->sounds(), QStringList());
        timer.set_intervals(2500, 2500, kPostpone);
        timer.update_timer_ui();
        QCOMPARE(m_desktop->sounds(), QStringList{"bip"});
        // The rest is over and its windows wait: the bip sounds on every tick.
        timer.start_rest();
        timer.call_end_rest();
        timer.update_timer_ui();
        timer.update_timer_ui();
        QCOMPARE(m_desktop->sounds(), QStringList({"bip", "bip", "bip"}));
    }

    void ticksThroughAProductiveWorkInterval()
    {
        RestTimer& timer = m_desktop->start(TimerType::Productive, kWork, kRest);
        QVERIFY(!Platform::current().sounds().isPlaying("tick-tock"));
        timer.set_use_sounds(true);
        QVERIFY(Platform::current().sounds().isPlaying("tick-tock"));
        QCOMPARE(m_desktop->sounds(), QStringList{"tick-tock"});
        timer.start_rest();
        QVERIFY(!Platform::current().sounds().isPlaying("tick-tock"));
        timer.call_end_rest();
        QVERIFY(Platform::current().sounds().isPlaying("tick-tock"));
        timer.set_timer_type(TimerType::Normal);
        QVERIFY(!Platform::current().sounds().isPlaying("tick-tock"));
    }

    void reportsItsStatus()
    {
        RestTimer& timer = m_desktop->start(TimerType::Strict, kWork, kRest);
        QJsonObject status = timer.status_json();
        QCOMPARE(status.value("type").toInt(), 3);
        QCOMPARE(status.value("phase").toString(), QStringLiteral("work"));
        QCOMPARE(status.value("paused").toBool(), false);
        QVERIFY(status.value("remaining_work_s").toInt() > 1190);
        QCOMPARE(status.value("remaining_rest_s").toInt(), 0);
        timer.start_rest();
        status = timer.status_json();
        QCOMPARE(status.value("phase").toString(), QStringLiteral("rest"));
        QVERIFY(status.value("remaining_rest_s").toInt() >= 18);
        timer.set_timer_type(TimerType::Off);
        QCOMPARE(timer.status_json().value("phase").toString(), QStringLiteral("off"));
    }
};

QTEST_MAIN(TestRestTimer)
#include "tst_rest_timer.moc"
