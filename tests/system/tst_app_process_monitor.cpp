// The controller with its process monitor on the simulated desktop: pausers pause and release
// the colours, the timer and the software cursor; triggers glide to their colours and back;
// competing programs are closed with a message.
#include "AppFixture.h"
#include "ForwardingPlatform.h"
#include "color/ColorRamp.h"
#include "screens/KavoMessageBox.h"
#include "system/ITaskManager.h"
#include "timer/RestTimer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>

namespace {
// Full night on the clock schedule: 3400 K and 80 %.
const qint64 kNight = QDateTime::fromString("2026-06-10T21:30:00", Qt::ISODate).toMSecsSinceEpoch();

QJsonObject program(qint64 pid, const QString& name, QJsonObject extra = {})
{
    QJsonObject process{{"pid", pid}, {"name", name}, {"x", 100},
                        {"y", 100},   {"width", 800}, {"height", 600}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        process.insert(it.key(), it.value());
    return process;
}

QByteArray desktop(const QJsonArray& processes, qint64 foreground = 0, QJsonObject extra = {})
{
    QJsonObject config{{"monitors", QJsonArray{QJsonObject{
                                        {"x", 0}, {"y", 0}, {"width", 1920}, {"height", 1080}}}},
                       {"clock", QJsonObject{{"now", kNight}, {"running", false}}},
                       {"processes", processes},
                       {"foreground", foreground}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        config.insert(it.key(), it.value());
    return QJsonDocument(config).toJson();
}

// Short glides, and no periodic timer within a test's time: the tests drive the updates.
QVariantMap quickSettings(QVariantMap extra)
{
    QVariantMap settings{{"SmoothColorsUpdateInterval", 1},
                         {"PauseTransitionDuration", 10},
                         {"KavoUpdateInterval", 10000000},
                         {"PreserveGamma", false},
                         {"UseLowLevelColorApi", true}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        settings.insert(it.key(), it.value());
    return settings;
}

QVector<int> red(int temperature, float brightness)
{
    GammaRamp ramp = ColorRamp::computingIdentity();
    ColorRamp().apply(ramp, RampSettings{temperature, 1, 1, 1, brightness});
    return QVector<int>(ramp.red.begin(), ramp.red.end());
}
} // namespace

class TestAppProcessMonitor : public QObject
{
    Q_OBJECT

private slots:
    void init() { KavoMessageBox::setTestAnswer(QStringLiteral("OK")); }
    void cleanup()
    {
        KavoMessageBox::setTestAnswer(std::nullopt);
        KavoMessageBox::testMessages().clear();
    }

    void aColorPauserPausesAndReleasesTheRamps()
    {
        AppFixture fixture(desktop({program(100, "painter"), program(101, "browser")}, 101));
        fixture.start(quickSettings({{"UseColorPausers", true}, {"ColorPausers", "painter.exe"}}));
        App& app = fixture.app();
        QTRY_COMPARE(fixture.ramp(1, "red"), red(6500, 1.0f));
        QVERIFY(app.is_gamma_paused());

        fixture.set_desktop(desktop(
            {program(100, "painter", {{"minimized", true}}), program(101, "browser")}, 101));
        app.task_manager()->update(false);
        QTRY_COMPARE(fixture.ramp(1, "red"), red(3400, 0.8f));
        QVERIFY(!app.is_gamma_paused());
    }

    void switchingColorPausersOffReleasesAtOnce()
    {
        AppFixture fixture(desktop({program(100, "painter")}, 100));
        fixture.start(quickSettings({{"UseColorPausers", true}, {"ColorPausers", "painter"}}));
        QTRY_VERIFY(fixture.app().is_gamma_paused());
        fixture.app().use_color_pausers_changed(false);
        QVERIFY(!fixture.app().is_gamma_paused());
        QTRY_COMPARE(fixture.ramp(1, "red"), red(3400, 0.8f));
    }

    void timerPausersReachTheTimer()
    {
        AppFixture fixture(desktop({program(100, "vlc")}, 100));
        fixture.start(quickSettings({{"UseTimerPausers", true},
                                     {"TimerPausers", "vlc"},
                                     {"TimerType", 2},
                                     {"TimerPaused", false}}));
        App& app = fixture.app();
        app.task_manager()->update(false);
        QVERIFY(app.is_timer_paused_by_pauser());
        QCOMPARE(app.rest_timer()->phase(), RestTimer::Phase::Off);

        fixture.set_desktop(desktop({program(100, "vlc", {{"minimized", true}})}));
        app.task_manager()->update(false);
        QVERIFY(!app.is_timer_paused_by_pauser());
        QCOMPARE(app.rest_timer()->phase(), RestTimer::Phase::Work);

        fixture.set_desktop(desktop({program(100, "vlc")}, 100));
        app.task_manager()->update(false);
        QVERIFY(app.is_timer_paused_by_pauser());
        app.use_timer_pausers_changed(false);
        QVERIFY(!app.is_timer_paused_by_pauser());
        QCOMPARE(app.rest_timer()->phase(), RestTimer::Phase::Work);
    }

    void aMousePauserTakesTheSoftwareCursorAway()
    {
        AppFixture fixture(desktop({program(100, "platformer")}));
        fixture.start(quickSettings({{"UseMousePausers", true},
                                     {"MousePausers", "platformer"},
                                     {"UseSoftwareCursor", true}}));
        const auto trails = [&fixture] {
            return fixture.desktop().state().value("system_parameters").toObject().value("93");
        };
        QTRY_VERIFY(fixture.app().is_mouse_paused_by_pauser());
        QCOMPARE(trails(), QJsonValue(0));
        fixture.set_desktop(desktop({program(101, "bash", {{"window", false}})}));
        fixture.app().task_manager()->update(false);
        QVERIFY(!fixture.app().is_mouse_paused_by_pauser());
        QCOMPARE(trails(), QJsonValue(-1));
    }

    void aTriggerGlidesToItsColoursAndBack()
    {
        const QJsonArray programs{program(100, "vlc"), program(101, "browser")};
        AppFixture fixture(desktop(programs, 100));
        fixture.start(
            quickSettings({{"UseColorTriggers", true}, {"ColorTriggers", "vlc.exe = 3000 70"}}));
        App& app = fixture.app();
        QTRY_COMPARE(fixture.ramp(1, "red"), red(3000, 0.7f));
        QCOMPARE(app.current_temperature(), 3000);

        fixture.set_desktop(desktop(programs, 101)); // browser in front, seen at once
        QTRY_COMPARE(fixture.ramp(1, "red"), red(3400, 0.8f));
        fixture.set_desktop(desktop(programs, 100));
        QTRY_COMPARE(fixture.ramp(1, "red"), red(3000, 0.7f));
        fixture.set_desktop(desktop(programs, 0)); // the desktop clicked: nothing in front
        QTRY_COMPARE(fixture.ramp(1, "red"), red(3400, 0.8f));
        fixture.set_desktop(desktop(programs, 100));
        QTRY_COMPARE(fixture.ramp(1, "red"), red(3000, 0.7f));
    }

    void anEditedTriggerAppliesItsNewColours()
    {
        AppFixture fixture(desktop({program(100, "vlc")}, 100));
        fixture.start(
            quickSettings({{"UseColorTriggers", true}, {"ColorTriggers", "vlc = 3000 70"}}));
        QTRY_COMPARE(fixture.app().current_temperature(), 3000);
        QSignalSpy message(&fixture.app(), &App::set_color_triggers_message);
        fixture.app().save_color_triggers("vlc = night\nvlc = 4000 90");
        QTRY_COMPARE(fixture.ramp(1, "red"), red(4000, 0.9f));
        QCOMPARE(message.last().at(0).toString(),
                 QStringLiteral("Line 1 is not \"program = temperature brightness\": vlc = night"));
        QCOMPARE(fixture.stored("ColorTriggers").toString(),
                 QStringLiteral("vlc = night\nvlc = 4000 90"));
    }

    void theDesktopsNoteIsNotRepeatedInTheTriggersMessage()
    {
        // A desktop like GNOME on Wayland: the page shows its note in a notice of its own.
        class Hiding : public ForwardingPlatform
        {
        public:
            using ForwardingPlatform::ForwardingPlatform;
            QString pageNote(const QString& page) const override
            {
                return page == QLatin1String("pausers") ? QStringLiteral("No program in front.")
                                                        : QString();
            }
        };
        AppFixture fixture(desktop({}, 100), [](std::unique_ptr<SimDesktop> sim) {
            return std::make_unique<Hiding>(std::move(sim));
        });
        fixture.start(quickSettings({{"UseColorTriggers", true}}));
        QSignalSpy message(&fixture.app(), &App::set_color_triggers_message);
        fixture.app().save_color_triggers("vlc = night");
        QCOMPARE(message.last().at(0).toString(),
                 QStringLiteral("Line 1 is not \"program = temperature brightness\": vlc = night"));
        QCOMPARE(fixture.app().get_page_note("pausers"), QStringLiteral("No program in front."));
    }

    void aCompetingProgramIsClosedWithAMessage()
    {
        AppFixture fixture(desktop({program(100, "flux.exe")}));
        fixture.start(quickSettings({}));
        const QJsonArray ended = fixture.desktop().state().value("ended_processes").toArray();
        QCOMPARE(ended.size(), 1);
        QCOMPARE(KavoMessageBox::testMessages().value(0),
                 QStringLiteral("flux.exe conflicts with Kavo"));
        QVERIFY(KavoMessageBox::testMessages().value(1).contains("automatically closes such apps"));
    }

    void anAllowedCompetitorStays()
    {
        AppFixture fixture(desktop({program(100, "flux.exe")}));
        fixture.start(quickSettings({{"EnableConflictingApplications", true}}));
        QVERIFY(fixture.desktop().state().value("ended_processes").toArray().isEmpty());
        QVERIFY(KavoMessageBox::testMessages().isEmpty());
    }
};

QTEST_MAIN(TestAppProcessMonitor)
#include "tst_app_process_monitor.moc"
