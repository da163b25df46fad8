#include "AppFixture.h"
#include "SteppedColours.h"
#include "Presets.h"
#include "color/ColorRamp.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {
// A desktop whose clock stands still at `localTime`.
QByteArray desktopAt(const QString& localTime)
{
    const QDateTime at = QDateTime::fromString(localTime, Qt::ISODate);
    return QStringLiteral(R"({"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080},
                                           {"x": 1920, "y": 0, "width": 1920, "height": 1080}],
                              "clock": {"now": %1, "running": false}})")
        .arg(at.toMSecsSinceEpoch())
        .toUtf8();
}

// Full night on the clock schedule (night from 20:00 after an hour's transition, sleep later).
const QString kNight = QStringLiteral("2026-06-10T21:30:00");
const QString kNoon = QStringLiteral("2026-06-10T12:00:00");

} // namespace

class TestUpdateLoop : public QObject
{
    Q_OBJECT

private slots:
    void firstUpdateGlidesFromNeutralToTheSchedule()
    {
        AppFixture fixture(desktopAt(kNight));
        fixture.start(steppedSettings());
        App& app = fixture.app();
        // Colours first: the glide's first step is on the screen when the start is done.
        int previous = app.current_temperature();
        QVERIFY(previous < 6500);
        QVERIFY(6500 - previous <= 78); // (6500 - 3400) / 40
        for (int step = 1; step < 40; ++step) {
            app.return_colors_timeout();
            QVERIFY(app.current_temperature() < previous);
            QVERIFY(previous - app.current_temperature() <= 78);
            previous = app.current_temperature();
        }
        app.return_colors_timeout(); // arrives and refreshes from the schedule
        QCOMPARE(app.current_temperature(), 3400);
        QCOMPARE(app.current_brightness(), 80);
        for (int monitor = 1; monitor <= 2; ++monitor)
            QCOMPARE(fixture.ramp(monitor, "red"), expectedRed(3400, 0.8f));
    }

    // A feature that is off costs no wake-up: once the start's glide has arrived, with the
    // rest timer paused and the window still, no timer of Kavo's runs more often than the
    // update tick.
    void featuresThatAreOffRunNoTimers()
    {
        AppFixture fixture(desktopAt(kNight));
        fixture.start(steppedSettings());
        App& app = fixture.app();
        for (int step = 0; step < 40; ++step)
            app.return_colors_timeout();
        QStringList frequent;
        for (const QTimer* timer : app.findChildren<QTimer*>()) {
            if (timer->isActive() && timer->interval() < 10000)
                frequent << QStringLiteral("%1: %2 ms")
                                .arg(QLatin1String(timer->parent()->metaObject()->className()))
                                .arg(timer->interval());
        }
        QVERIFY2(frequent.isEmpty(), qPrintable(frequent.join(QStringLiteral(", "))));
    }

    void pausingDuringAReturnReversesWithoutAJump()
    {
        AppFixture fixture(desktopAt(kNight));
        fixture.start(steppedSettings());
        App& app = fixture.app();
        for (int step = 0; step < 20; ++step)
            app.return_colors_timeout();
        const int reached = app.current_temperature();
        QVERIFY(reached < 6000 && reached > 4000);

        app.pause_kavo(true);
        app.restore_colors_timeout();
        QVERIFY(app.current_temperature() > reached);
        QVERIFY(app.current_temperature() - reached <= 78);
        QCOMPARE(fixture.stored("KavoPaused").toBool(), true);
    }

    void perMonitorSettingsPauseAndResumeAtOnce()
    {
        AppFixture fixture(desktopAt(kNight));
        fixture.start(steppedSettings({{"UsePerMonitorSettings", true},
                                       {"NightTemperature1", 3000},
                                       {"NightBrightness1", 70}}));
        App& app = fixture.app();
        app.return_colors_timeout(); // per-monitor: no glide, the schedule at once
        QCOMPARE(fixture.ramp(1, "red"), expectedRed(3000, 0.7f));
        QCOMPARE(fixture.ramp(2, "red"), expectedRed(3400, 0.8f));

        app.pause_kavo(true);
        QCOMPARE(fixture.ramp(1, "red"), expectedRed(6500, 1.0f));
        app.pause_kavo(false);
        QCOMPARE(fixture.ramp(1, "red"), expectedRed(3000, 0.7f));
    }

    void statusTextForTwoMonitors()
    {
        AppFixture fixture(desktopAt(kNoon));
        fixture.start(steppedSettings({{"UsePerMonitorSettings", true},
                                       {"DayTemperature1", 4500},
                                       {"DayBrightness1", 80},
                                       {"DayTemperature2", 6500},
                                       {"DayBrightness2", 100}}));
        QCOMPARE(fixture.app().kavo_status_text(), QString("4500K / 80% | 6500K / 100%"));
        fixture.app().pause_kavo(true);
        QCOMPARE(fixture.app().kavo_status_text(), QString("Paused"));
    }

    void inversionFlipsAtTheDarkPoint()
    {
        AppFixture fixture(desktopAt(kNoon));
        fixture.start(steppedSettings());
        App& app = fixture.app();
        app.invert_colors();
        for (int step = 0; step < 20; ++step) {
            app.switch_state_timeout();
            const QVector<int> red = fixture.ramp(1, "red");
            QVERIFY(red.value(0) < red.value(255)); // not inverted on the way down
        }
        QVERIFY(app.current_temperature() <= 101);
        QVERIFY(app.current_brightness() <= 10);
        app.switch_state_timeout(); // at the dark point: the inversion flips
        for (int step = 0; step < 21; ++step)
            app.switch_state_return_timeout();
        QCOMPARE(app.current_temperature(), 5000);
        const QVector<int> red = fixture.ramp(1, "red");
        QVERIFY(red.value(0) > red.value(255));
        QCOMPARE(app.settings_map()["UseInvertedColors"].toBool(), true);
    }

    void modesSetTheManualFlags_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("manual");
        QTest::addColumn<bool>("paused");
        QTest::newRow("automatic") << int(kModeAutomatic) << false << false;
        QTest::newRow("manual") << int(kModeManual) << true << false;
        QTest::newRow("paused") << int(kModePaused) << false << true;
    }

    void modesSetTheManualFlags()
    {
        QFETCH(int, mode);
        QFETCH(bool, manual);
        QFETCH(bool, paused);
        AppFixture fixture(desktopAt(kNight));
        fixture.start(steppedSettings({{"KavoMode", 0}}));
        App& app = fixture.app();
        QSignalSpy dropdown(&app, &App::set_kavo_mode_dropdown_value_ui);
        app.kavo_mode_changed_force(mode, false);
        QCOMPARE(app.settings_map()["KavoMode"].toInt(), mode);
        QCOMPARE(app.is_kavo_paused(), paused);
        if (!paused)
            QCOMPARE(app.settings_map()["UseManualColorSettings"].toBool(), manual);
        QCOMPARE(dropdown.count(), 1);
        app.kavo_mode_changed_force(mode, false);
        QCOMPARE(dropdown.count(), 1); // the same mode again does nothing
    }

    void changeModeCycles_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("0 to 1") << 0 << 1;
        QTest::newRow("1 to 2") << 1 << 2;
        QTest::newRow("2 to 3") << 2 << 3;
        QTest::newRow("3 to 1") << 3 << 1;
    }

    void changeModeCycles()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        AppFixture fixture(desktopAt(kNight));
        fixture.start(steppedSettings({{"KavoMode", from}}));
        fixture.app().change_mode();
        QCOMPARE(fixture.app().settings_map()["KavoMode"].toInt(), to);
    }

    void typesWriteTheirPresets_data()
    {
        QTest::addColumn<int>("type");
        for (int type = kTypeHealth; type <= kTypeOverlay; ++type)
            QTest::newRow(qPrintable(type_name(type))) << type;
    }

    void typesWriteTheirPresets()
    {
        QFETCH(int, type);
        AppFixture fixture(desktopAt(kNight));
        fixture.start(steppedSettings({{"KavoType", kTypeCustom},
                                       {"DayTemperature", 4100},
                                       {"ColorChangesPaused", true}}));
        App& app = fixture.app();
        QSignalSpy dropdown(&app, &App::set_kavo_type_dropdown_value_ui);
        app.kavo_type_changed_force(type, false);
        QVariantMap written;
        for (const auto& [key, value] : preset_for_type(type).values)
            written.insert(key, value);
        for (auto it = written.begin(); it != written.end(); ++it)
            QCOMPARE(app.settings_map()[it.key()], it.value());
        QCOMPARE(dropdown.count(), 1);
        const bool inverts = type == kTypeProgramming || type == kTypeBiohacker;
        QCOMPARE(app.settings_map()["UseInvertedColors"].toBool(), inverts);
    }

    void customBringsBackTheAdvancedValues()
    {
        AppFixture fixture(desktopAt(kNight));
        fixture.start(steppedSettings({{"KavoType", kTypeCustom},
                                       {"AdvancedView", true},
                                       {"AdvancedDayTemperature", 4100},
                                       {"AdvancedNightBrightness", 60},
                                       {"AdvancedUseColorEffects", true},
                                       {"AdvancedLightnessScreenXposition", 20}}));
        App& app = fixture.app();
        app.kavo_type_changed_force(kTypeHealth, false);
        QCOMPARE(app.settings_map()["DayTemperature"].toInt(), 5000);
        QCOMPARE(app.settings_map()["NightBrightness"].toInt(), 80);
        app.kavo_type_changed_force(kTypeCustom, false);
        QCOMPARE(app.settings_map()["DayTemperature"].toInt(), 4100);
        QCOMPARE(app.settings_map()["NightBrightness"].toInt(), 60);
        QCOMPARE(app.settings_map()["UseColorEffects"].toBool(), true);
        QCOMPARE(app.settings_map()["LightnessScreenXPosition"].toInt(), 20);
    }

    void statusReportsWhatIsShown()
    {
        AppFixture fixture(desktopAt(kNight));
        fixture.start(steppedSettings({{"KavoType", kTypeGaming}}));
        App& app = fixture.app();
        for (int step = 0; step <= 40; ++step)
            app.return_colors_timeout();
        const QJsonObject status = app.status_json();
        QCOMPARE(status["mode"].toInt(), 1);
        QCOMPARE(status["type"].toInt(), int(kTypeGaming));
        QCOMPARE(status["paused"].toBool(), false);
        const QJsonArray monitors = status["monitors"].toArray();
        QCOMPARE(monitors.size(), 1);
        QCOMPARE(monitors[0].toObject()["monitor"].toInt(), 0);
        QCOMPARE(monitors[0].toObject()["temperature"].toInt(), 3400);
        QCOMPARE(monitors[0].toObject()["brightness"].toInt(), 80);
    }
};

QTEST_MAIN(TestUpdateLoop)
#include "tst_update_loop.moc"
