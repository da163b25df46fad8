// The break timer inside Kavo: the App slots of the timer pages, the persisted pause, session
// lock and unlock, inactivity, timer pausers, the status, and the pages themselves.
#include "AppFixture.h"
#include "parts/IWebView.h"

#include "timer/RestTimer.h"
#include "timer/TimerTypes.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSaveFile>
#include <QSignalSpy>
#include <QtTest>

namespace {
const QVariantMap kRunningNormal{{"TimerType", 2}, {"TimerPaused", false}, {"UiScale", 1}};

QVariantMap with(QVariantMap settings, const QVariantMap& extra)
{
    for (auto it = extra.begin(); it != extra.end(); ++it)
        settings.insert(it.key(), it.value());
    return settings;
}
} // namespace

class TestTimerApp : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_fixture;

    App& app() { return m_fixture->app(); }
    RestTimer& timer() { return *app().rest_timer(); }
    QString phase() { return app().status_json()["timer"].toObject()["phase"].toString(); }
    bool timerPaused() { return app().settings_map().value("TimerPaused").toBool(); }

    void setSessionLocked(bool locked)
    {
        QDir folder = QFileInfo(m_fixture->settings_file()).dir();
        folder.cdUp();
        QSaveFile config(folder.filePath("desktop.json"));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(
            QJsonDocument(QJsonObject{{"session", QJsonObject{{"locked", locked}}}}).toJson());
        QVERIFY(config.commit());
        m_fixture->desktop().reloadConfig();
    }

    void idleTicks(int count)
    {
        for (int i = 0; i < count; ++i)
            QMetaObject::invokeMethod(&app(), "update_idle_time");
    }

    QVariant js(const QString& script)
    {
        return app().main_view()->run(script);
    }

    void openWindow(const QVariantMap& settings)
    {
        m_fixture->start(settings);
        app().create_ui();
        app().set_show_ui_requested(true);
        QTRY_VERIFY(app().isVisible());
        QTRY_VERIFY(js("document.querySelectorAll('#menu-items .menu-item').length > 0").toBool());
    }

    void openPage(const QString& title)
    {
        emit app().open_page(title);
        QTRY_COMPARE(
            js("(document.querySelector('#page-host .page-title') || {}).textContent").toString(),
            title);
    }

private slots:
    void init() { m_fixture = std::make_unique<AppFixture>(); }
    void cleanup()
    {
        m_fixture.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void theTimerStartsAsItWasLeft_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<QString>("phase");
        QTest::newRow("off by default") << 1 << true << "off";
        QTest::newRow("normal, running") << 2 << false << "work";
        QTest::newRow("normal, paused by the user") << 2 << true << "off";
        QTest::newRow("productive, running") << 4 << false << "work";
    }

    void theTimerStartsAsItWasLeft()
    {
        QFETCH(int, type);
        QFETCH(bool, paused);
        QFETCH(QString, phase);
        m_fixture->start({{"TimerType", type}, {"TimerPaused", paused}});
        QVERIFY(app().rest_timer());
        QCOMPARE(this->phase(), phase);
        QCOMPARE(timer().is_paused(), paused);
        // Right after start the postpone time is 3 minutes, whatever the setting says.
        QCOMPARE(timer().postpone_interval(), qint64(180000));
    }

    void aTimerTypeChosenOnThePageIsKept()
    {
        m_fixture->start();
        app().timer_type_changed(TimerType::Strict);
        QCOMPARE(phase(), QStringLiteral("work"));
        QCOMPARE(timerPaused(), false);
        // Kept across a restart: the type and that the timer runs.
        m_fixture->stop();
        QCOMPARE(m_fixture->stored("TimerType").toInt(), 3);
        QCOMPARE(m_fixture->stored("TimerPaused").toBool(), false);
        m_fixture->start();
        QCOMPARE(phase(), QStringLiteral("work"));

        app().timer_type_changed(TimerType::Off);
        QCOMPARE(phase(), QStringLiteral("off"));
        QCOMPARE(timerPaused(), true);
        QCOMPARE(m_fixture->stored("TimerPaused").toBool(), true);
    }

    void aRestStartedWhileOffSwitchesToNormal()
    {
        m_fixture->start();
        app().start_rest();
        QCOMPARE(app().settings_map().value("TimerType").toInt(), TimerType::Normal);
        QCOMPARE(timerPaused(), false);
        QCOMPARE(phase(), QStringLiteral("rest"));
        app().start_rest(); // a rest runs: nothing more
        QCOMPARE(phase(), QStringLiteral("rest"));
    }

    void pausingFromTheTrayStopsAndResumes()
    {
        m_fixture->start(kRunningNormal);
        app().pause_rest_timer(true);
        QCOMPARE(phase(), QStringLiteral("off"));
        QCOMPARE(m_fixture->stored("TimerPaused").toBool(), true);
        app().start_rest_timer(); // paused by the user: nothing starts
        QCOMPARE(phase(), QStringLiteral("off"));
        app().pause_rest_timer(false);
        QCOMPARE(phase(), QStringLiteral("work"));
    }

    void theSessionLockStopsTheTimer_data()
    {
        QTest::addColumn<QVariantMap>("settings");
        QTest::addColumn<bool>("pauser");
        QTest::addColumn<QString>("afterUnlock");
        QTest::newRow("running") << kRunningNormal << false << "work";
        QTest::newRow("paused by the user")
            << with(kRunningNormal, {{"TimerPaused", true}}) << false << "off";
        QTest::newRow("held by a timer pauser") << kRunningNormal << true << "off";
    }

    void theSessionLockStopsTheTimer()
    {
        QFETCH(QVariantMap, settings);
        QFETCH(bool, pauser);
        QFETCH(QString, afterUnlock);
        m_fixture->start(settings);
        if (pauser)
            app().automatic_timer_pause(true);
        setSessionLocked(true);
        QCOMPARE(phase(), QStringLiteral("off"));
        QVERIFY(timer().is_paused());
        setSessionLocked(false);
        QCOMPARE(phase(), afterUnlock);
    }

    void timerPausersHoldTheTimer()
    {
        m_fixture->start(kRunningNormal);
        app().automatic_timer_pause(true);
        QVERIFY(app().is_timer_paused_by_pauser());
        QCOMPARE(phase(), QStringLiteral("off"));
        timer().pause_resume_timer(); // the tray cannot resume what a pauser holds
        QCOMPARE(phase(), QStringLiteral("off"));
        app().automatic_timer_pause(false);
        QCOMPARE(phase(), QStringLiteral("work"));
    }

    void inactivityStopsTheTimerUntilInputReturns_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::newRow("mouse") << "UseMouseInactivity";
        QTest::newRow("keyboard") << "UseKeyboardInactivity";
    }

    void inactivityStopsTheTimerUntilInputReturns()
    {
        QFETCH(QString, setting);
        m_fixture->start(with(kRunningNormal, {{setting, true}}));
        idleTicks(120);
        QCOMPARE(phase(), QStringLiteral("work"));
        QVERIFY(!app().is_idle());
        idleTicks(1);
        QVERIFY(app().is_idle());
        QCOMPARE(phase(), QStringLiteral("off"));
        app().reset_idle_time();
        idleTicks(1);
        QCOMPARE(phase(), QStringLiteral("work"));
    }

    void inactivityLeavesARestAlone()
    {
        m_fixture->start(with(kRunningNormal, {{"UseMouseInactivity", true}}));
        app().toggle_timer();
        idleTicks(130);
        QCOMPARE(phase(), QStringLiteral("rest"));
    }

    void withoutInactivityWatchingNothingStops()
    {
        m_fixture->start(kRunningNormal);
        idleTicks(200);
        QCOMPARE(phase(), QStringLiteral("work"));
    }

    void timerSettersKeepTheirRanges_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("stored");
        QTest::newRow("work time") << "work_time_changed"
                                   << "WorkTime" << 45 << 45;
        QTest::newRow("no work time") << "work_time_changed"
                                      << "WorkTime" << 0 << 1;
        QTest::newRow("a day and more") << "work_time_changed"
                                        << "WorkTime" << 5000 << 1440;
        QTest::newRow("rest time") << "rest_time_changed"
                                   << "RestTime" << 90 << 90;
        QTest::newRow("negative rest") << "rest_time_changed"
                                       << "RestTime" << -5 << 1;
        QTest::newRow("over a day of rest") << "rest_time_changed"
                                            << "RestTime" << 100000 << 86400;
        QTest::newRow("postpone") << "postpone_time_changed"
                                  << "PostponeTime" << 0 << 1;
    }

    void timerSettersKeepTheirRanges()
    {
        QFETCH(QString, slot);
        QFETCH(QString, key);
        QFETCH(int, value);
        QFETCH(int, stored);
        m_fixture->start(kRunningNormal);
        QVERIFY(QMetaObject::invokeMethod(&app(), slot.toLatin1().constData(), Q_ARG(int, value)));
        QCOMPARE(app().settings_map().value(key).toInt(), stored);
        QCOMPARE(timer().work_interval(),
                 qint64(app().settings_map().value("WorkTime").toInt()) * 60000);
        QCOMPARE(timer().rest_interval(),
                 qint64(app().settings_map().value("RestTime").toInt()) * 1000);
    }

    void thePostponeTimeWaitsForTheNextApply()
    {
        m_fixture->start(kRunningNormal);
        app().postpone_time_changed(10);
        QCOMPARE(timer().postpone_interval(), qint64(180000));
        app().apply_timer_times();
        QCOMPARE(timer().postpone_interval(), qint64(600000));
    }

    void passesTheOtherSettingsOn()
    {
        m_fixture->start(kRunningNormal);
        app().rest_screen_type_changed(3);
        app().automatically_close_rest_screen_changed(false);
        app().toggle_timer();
        app().reset_timer();
        timer().call_end_rest();
        QVERIFY(timer().is_waiting_for_continue());
        QCOMPARE(timer().rest_screens().covered_monitors().size(), 2);
    }

    void reportsTheTimerInItsStatus()
    {
        m_fixture->start(with(kRunningNormal, {{"WorkTime", 30}}));
        const QJsonObject status = app().status_json()["timer"].toObject();
        QCOMPARE(status["type"].toInt(), 2);
        QCOMPARE(status["phase"].toString(), QStringLiteral("work"));
        QCOMPARE(status["paused"].toBool(), false);
        QVERIFY(status["remaining_work_s"].toInt() > 1790);
        QCOMPARE(status["remaining_rest_s"].toInt(), 0);
        app().delete_rest_timer();
        QCOMPARE(app().status_json()["timer"].toObject()["phase"].toString(),
                 QStringLiteral("off"));
    }

    void theTrayTooltipShowsTheTimer()
    {
        m_fixture->start(kRunningNormal);
        timer().update_timer_ui();
        QVERIFY2(app().tray_tooltip_text().contains(QStringLiteral(" until rest")),
                 qPrintable(app().tray_tooltip_text()));
    }

    void theSimpleViewShowsTheTimer()
    {
        openWindow({{"TimerType", 1}});
        QTRY_COMPARE(js("document.getElementById('remaining-time').textContent").toString(),
                     QStringLiteral("--:--"));
        js("(function () { const choice = document.getElementById('timer-type');"
           "choice.value = '2'; choice.dispatchEvent(new Event('change')); })()");
        QCOMPARE(app().settings_map().value("TimerType").toInt(), 2);
        QTRY_VERIFY(js("document.getElementById('remaining-time').textContent")
                        .toString()
                        .contains(QStringLiteral("min")));
        QCOMPARE(js("document.getElementById('remaining-until').textContent").toString(),
                 QStringLiteral("until rest"));
    }

    void theTimerPageSetsTheTimes()
    {
        openWindow(kRunningNormal);
        openPage(QStringLiteral("Timer"));
        QCOMPARE(js("document.querySelector('#page-host [data-setting=\"work_time\"]').value")
                     .toString(),
                 QStringLiteral("20"));
        js("(function () { const input = document.querySelector("
           "'#page-host [data-setting=\"work_time\"]');"
           "input.value = '25'; input.dispatchEvent(new Event('change')); })()");
        QCOMPARE(app().settings_map().value("WorkTime").toInt(), 25);
        QCOMPARE(timer().work_interval(), qint64(25 * 60000));
        js("(function () { const input = document.querySelector("
           "'#page-host [data-setting=\"rest_time\"]');"
           "input.value = '0'; input.dispatchEvent(new Event('change')); })()");
        QCOMPARE(app().settings_map().value("RestTime").toInt(), 20);
        QVERIFY(js("document.querySelector('#page-host [data-setting=\"rest_time\"]')"
                   ".classList.contains('invalid')")
                    .toBool());
        js("document.querySelector('#page-host [data-setting=\"use_sounds\"]').click()");
        QCOMPARE(app().settings_map().value("UseSounds").toBool(), true);
        QCOMPARE(js("Kavo.errors()").toStringList(), QStringList());
    }

    void theRestScreenAndExercisesPagesAct()
    {
        openWindow(kRunningNormal);
        openPage(QStringLiteral("Rest screen"));
        js("(function () { const choice = document.querySelector("
           "'#page-host [data-setting=\"rest_screen_type\"]');"
           "choice.value = '1'; choice.dispatchEvent(new Event('change')); })()");
        QCOMPARE(app().settings_map().value("RestScreenType").toInt(), 1);
        openPage(QStringLiteral("Exercises"));
        js("document.querySelector('#page-host [data-call=\"start_back_exercises\"]').click()");
        QTRY_VERIFY(!m_fixture->desktop().state()["windows"].toArray().isEmpty());
        bool shown = false;
        for (const QJsonValue& window : m_fixture->desktop().state()["windows"].toArray())
            shown |= window.toObject()["class"].toString() == QLatin1String("NotificationScreen");
        QVERIFY(shown);
    }
};

QTEST_MAIN(TestTimerApp)
#include "tst_timer_app.moc"
