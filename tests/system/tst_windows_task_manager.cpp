// The process monitor on the simulated desktop: the program in front, the recent list, the
// pauses the running programs call for, and competing programs.
#include "SimDesktopFile.h"
#include "system/WindowsTaskManager.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {
// Long enough that no test sees the monitor's own timer.
constexpr int kNoTimer = 10000000;

QVariantList lastArguments(const QSignalSpy& spy)
{
    return spy.isEmpty() ? QVariantList() : spy.last();
}
} // namespace

class TestWindowsTaskManager : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimDesktopFile> m_desktop;
    SettingsMap m_settings;

    std::unique_ptr<WindowsTaskManager> monitor()
    {
        Platform& platform = Platform::current();
        return std::make_unique<WindowsTaskManager>(platform.windows(), platform.displays(),
                                                    m_settings, kNoTimer);
    }

private slots:
    void init()
    {
        m_settings = SettingsMap();
        m_desktop = std::make_unique<SimDesktopFile>();
    }
    void cleanup() { m_desktop.reset(); }

    void theProgramInFrontIsFollowed()
    {
        const QJsonArray programs{simProcess(100, "text-editor"), simProcess(101, "vlc"),
                                  simProcess(102, "kavo"), simProcess(103, "player"),
                                  simProcess(104, "painter")};
        m_desktop->set(simDesktop(programs, 100));
        auto tasks = monitor();
        QSignalSpy active(tasks.get(), &ITaskManager::current_active_process_changed);
        QSignalSpy trigger(tasks.get(), &ITaskManager::current_color_trigger_changed);

        for (qint64 front : {100, 101, 101, 0, 102, 103, 104}) {
            m_desktop->set(simDesktop(programs, front));
            tasks->update(false);
        }
        // Announced on every update, except nothing and Kavo itself.
        QStringList announced;
        for (const QVariantList& call : active)
            announced << call.at(0).toString();
        QCOMPARE(announced, (QStringList{"text-editor", "vlc", "vlc", "player", "painter"}));
        // A trigger change only when the name changed, nothing in front included.
        QStringList changes;
        for (const QVariantList& call : trigger)
            changes << call.at(0).toString();
        QCOMPARE(changes, (QStringList{"text-editor", "vlc", "", "kavo", "player", "painter"}));
        QCOMPARE(tasks->get_recent_processes(), (QStringList{"vlc", "player", "painter"}));
    }

    void pausesFollowTheRunningPrograms_data()
    {
        QTest::addColumn<QJsonObject>("window"); // the listed program's window
        QTest::addColumn<bool>("inFront");       // the listed program is in front
        QTest::addColumn<QString>("colorList");
        QTest::addColumn<bool>("fullScreenApps");
        QTest::addColumn<bool>("color");
        QTest::addColumn<bool>("timer");

        const QJsonObject shown;
        const QJsonObject minimised{{"minimized", true}};
        const QJsonObject noWindow{{"window", false}};
        const QJsonObject covering{{"x", 0}, {"y", 0}, {"width", 1920}, {"height", 1080}};
        const QJsonObject fullScreenState{{"fullscreen", true}};
        QTest::newRow("shown") << shown << false << "player" << false << true << true;
        QTest::newRow("minimised") << minimised << true << "player" << false << false << false;
        QTest::newRow("no window") << noWindow << false << "player" << false << false << false;
        QTest::newRow("full-screen entry, windowed")
            << shown << true << "player fullscreen" << false << false << true;
        QTest::newRow("full-screen entry, covering its monitor")
            << covering << false << "player fullscreen" << false << true << true;
        QTest::newRow("full-screen entry, full-screen state")
            << fullScreenState << true << "player fullscreen" << false << true << true;
        QTest::newRow("unlisted, full screen in front, switch on")
            << fullScreenState << true << "painter" << true << true << true;
        QTest::newRow("unlisted, full screen in front, switch off")
            << fullScreenState << true << "painter" << false << false << true;
    }

    void pausesFollowTheRunningPrograms()
    {
        QFETCH(QJsonObject, window);
        QFETCH(bool, inFront);
        QFETCH(QString, colorList);
        QFETCH(bool, fullScreenApps);
        QFETCH(bool, color);
        QFETCH(bool, timer);
        m_settings = {{"UseColorPausers", true},
                      {"ColorPausers", colorList},
                      {"ColorPausersPauseOnFullscreenApps", fullScreenApps},
                      {"UseTimerPausers", true},
                      {"TimerPausers", "player.exe"}};
        m_desktop->set(simDesktop({simProcess(100, "bash", {{"window", false}}),
                                   simProcess(101, "player", window), simProcess(102, "browser")},
                                  inFront ? 101 : 102));
        auto tasks = monitor();
        QSignalSpy checked(tasks.get(), &ITaskManager::pausers_checked);
        tasks->check_processes(false);
        QCOMPARE(lastArguments(checked), (QVariantList{color, timer, false}));
    }

    void aFailedSnapshotLeavesThePausesAsTheyAre()
    {
        m_settings = {{"UseColorPausers", true}, {"ColorPausers", "player"}};
        m_desktop->set(
            simDesktop({simProcess(101, "player")}, 101, {{"process_snapshot_fails", true}}));
        auto tasks = monitor();
        QSignalSpy checked(tasks.get(), &ITaskManager::pausers_checked);
        tasks->update(false);
        QCOMPARE(checked.count(), 0);
    }

    void competingProgramsOfTheUserAreClosed()
    {
        const qint64 kavo = QCoreApplication::applicationPid();
        m_desktop->set(simDesktop({simProcess(100, "flux.exe"), simProcess(101, "flux.exe"),
                                   simProcess(102, "flux", {{"user", "someone else"}}),
                                   simProcess(kavo, "kavo-mini"), simProcess(104, "vlc")}));
        auto tasks = monitor();
        QSignalSpy closed(tasks.get(), &ITaskManager::conflicting_application_closed);
        tasks->update(false);

        QCOMPARE(closed.count(), 1);
        QCOMPARE(closed.first().at(0).toString(), QStringLiteral("flux.exe"));
        const QJsonArray ended = m_desktop->state().value("ended_processes").toArray();
        QCOMPARE(ended.size(), 2);
        QCOMPARE(ended.at(0).toObject().value("pid").toInt(), 100);
        QCOMPARE(ended.at(1).toObject().value("pid").toInt(), 101);
        QVERIFY(tasks->is_process_running("FLUX")); // the other user's stays
    }

    void allowedCompetitorsKeepRunning()
    {
        m_desktop->set(simDesktop({simProcess(100, "SunsetScreen")}));
        auto tasks = monitor();
        tasks->set_conflicting_applications_enabled(true);
        tasks->update(false);
        tasks->kill_conflicting_applications();
        QVERIFY(tasks->is_process_running("sunsetscreen.exe"));
        tasks->set_conflicting_applications_enabled(false);
        tasks->kill_conflicting_applications();
        QVERIFY(!tasks->is_process_running("sunsetscreen.exe"));
    }

    void anotherWindowInFrontIsLookedAtAtOnce_data()
    {
        QTest::addColumn<QString>("switchOn");
        QTest::addColumn<bool>("lookedAt");
        QTest::newRow("colour pausers") << "UseColorPausers" << true;
        QTest::newRow("colour triggers") << "UseColorTriggers" << true;
        QTest::newRow("nothing on") << "" << false;
    }

    void anotherWindowInFrontIsLookedAtAtOnce()
    {
        QFETCH(QString, switchOn);
        QFETCH(bool, lookedAt);
        if (!switchOn.isEmpty())
            m_settings.insert(switchOn, true);
        const QJsonArray programs{simProcess(100, "browser"), simProcess(101, "vlc")};
        m_desktop->set(simDesktop(programs, 100));
        auto tasks = monitor();
        QSignalSpy front(tasks.get(), &ITaskManager::foreground_changed);
        m_desktop->set(simDesktop(programs, 101));
        QCOMPARE(front.count(), lookedAt ? 1 : 0);
        QCOMPARE(tasks->current_process(), lookedAt ? QStringLiteral("vlc") : QString());
    }
};

QTEST_GUILESS_MAIN(TestWindowsTaskManager)
#include "tst_windows_task_manager.moc"
