// The controller with the keyboard, the mouse and the global shortcuts on the simulated
// desktop: injected keys drive the shortcut actions, inactivity reaches the controller and the
// timer, the auto clicker and the software cursor follow their settings.
#include "AppFixture.h"
#include "system/HotkeyProcessor.h"
#include "system/SystemMouse.h"
#include "timer/RestTimer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>

namespace {
// Full night on the clock schedule: 3400 K and 80 %.
const qint64 kNight = QDateTime::fromString("2026-06-10T21:30:00", Qt::ISODate).toMSecsSinceEpoch();

QByteArray desktop(QJsonObject extra = {})
{
    QJsonObject config{{"monitors", QJsonArray{QJsonObject{
                                        {"x", 0}, {"y", 0}, {"width", 1920}, {"height", 1080}}}},
                       {"clock", QJsonObject{{"now", kNight}, {"running", false}}}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        config.insert(it.key(), it.value());
    return QJsonDocument(config).toJson();
}

QVariantMap withShortcuts(QVariantMap extra = {})
{
    QVariantMap settings{{"UseKeyboardShortcuts", true},
                         {"KavoUpdateInterval", 10000000},
                         {"SmoothColorsUpdateInterval", 1},
                         {"PauseTransitionDuration", 10}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        settings.insert(it.key(), it.value());
    return settings;
}

QStringList hotkeys(AppFixture& fixture)
{
    QStringList registered;
    for (const QJsonValue& hotkey : fixture.desktop().state().value("hotkeys").toArray())
        registered << hotkey.toString();
    return registered;
}

QJsonObject hooks(AppFixture& fixture)
{
    return fixture.desktop().state().value("hooks").toObject();
}
} // namespace

class TestAppInput : public QObject
{
    Q_OBJECT

private:
    QJsonArray m_input; // every entry injected so far in the test

    // Injects `entry` after the earlier ones, and lets the desktop run it.
    void inject(AppFixture& fixture, const QJsonObject& entry, QJsonObject extra = {})
    {
        m_input.append(entry);
        extra.insert("input", m_input);
        fixture.set_desktop(desktop(extra));
        QTest::qWait(0);
    }

    void press(AppFixture& fixture, const QString& key, QJsonObject extra = {})
    {
        inject(fixture, QJsonObject{{"key", key}}, extra);
    }

    void tick(App& app, int times)
    {
        for (int i = 0; i < times; ++i)
            QMetaObject::invokeMethod(&app, "update_idle_time");
    }

private slots:
    void init() { m_input = QJsonArray(); }

    void theShortcutsFollowTheirSwitches_data()
    {
        QTest::addColumn<bool>("shortcuts");
        QTest::addColumn<bool>("panic");
        QTest::addColumn<bool>("hook");
        QTest::addColumn<bool>("inactivity");
        QTest::addColumn<int>("registered");
        QTest::addColumn<bool>("keyboardHook");

        // Twelve of the fourteen: this desktop cannot zoom.
        QTest::newRow("all on") << true << true << true << false << 15 << true;
        QTest::newRow("no panic shortcuts") << true << false << true << false << 12 << true;
        QTest::newRow("shortcuts off") << false << true << true << false << 3 << false;
        QTest::newRow("off, inactivity on") << false << false << true << true << 0 << true;
        QTest::newRow("shortcuts without the hook") << true << true << false << true << 15 << false;
    }

    void theShortcutsFollowTheirSwitches()
    {
        QFETCH(bool, shortcuts);
        QFETCH(bool, panic);
        QFETCH(bool, hook);
        QFETCH(bool, inactivity);
        QFETCH(int, registered);
        QFETCH(bool, keyboardHook);
        AppFixture fixture(desktop());
        fixture.start(withShortcuts({{"UseKeyboardShortcuts", shortcuts},
                                     {"UsePanicKeyboardShortcuts", panic},
                                     {"UseKeyboardHook", hook},
                                     {"UseKeyboardInactivity", inactivity}}));
        QCOMPARE(hotkeys(fixture).size(), registered);
        QCOMPARE(hotkeys(fixture).contains("Ctrl+Alt+Shift+F12"), panic);
        QCOMPARE(hooks(fixture).value("keyboard").toBool(), keyboardHook);

        fixture.app().use_keyboard_shortcuts_changed(!shortcuts);
        QCOMPARE(hotkeys(fixture).contains("Ctrl+Alt+Up"), !shortcuts);
    }

    void injectedKeysDriveTheActions()
    {
        AppFixture fixture(desktop());
        fixture.start(withShortcuts({{"DayTemperature", 6500},
                                     {"NightTemperature", 3400},
                                     {"SleepLight", 2700},
                                     {"AdvancedView", false},
                                     {"KavoMode", 1}}));
        App& app = fixture.app();
        QSignalSpy slider(&app, &App::set_night_temperature_slider_value);

        press(fixture, "Ctrl+Alt+M"); // the simple view: automatic becomes manual
        QCOMPARE(app.settings_map().value("KavoMode").toInt(), 2);

        press(fixture, "Ctrl+Alt+Up"); // night is shown: night steps up by 500
        QCOMPARE(app.settings_map().value("NightTemperature").toInt(), 3900);
        QCOMPARE(slider.last().at(0).toInt(), 3900);
        QCOMPARE(fixture.stored("NightTemperature").toInt(), 3900);

        press(fixture, "Ctrl+Alt+PgDown");
        QCOMPARE(app.settings_map().value("NightBrightness").toInt(), 70);

        press(fixture, "Ctrl+Alt+P");
        QVERIFY(app.is_kavo_paused());
        press(fixture, "Ctrl+Alt+P");
        QVERIFY(!app.is_kavo_paused());

        const bool effects = app.settings_map().value("UseColorEffects").toBool();
        press(fixture, "Ctrl+Alt+R");
        QCOMPARE(app.settings_map().value("UseColorEffects").toBool(), !effects);

        // A step opens the advanced view, where the toggle switches the manual settings.
        QVERIFY(app.settings_map().value("AdvancedView").toBool());
        const bool manual = app.settings_map().value("UseManualBrightness").toBool();
        press(fixture, "Ctrl+Alt+M");
        QCOMPARE(app.settings_map().value("UseManualBrightness").toBool(), !manual);
        QCOMPARE(app.settings_map().value("UseManualColorSettings").toBool(), !manual);

        press(fixture, "Ctrl+Alt+Home");
        QVERIFY(app.settings_map().value("UseOverlayScreen").toBool());
        press(fixture, "Ctrl+Alt+End");
        QVERIFY(!app.settings_map().value("UseOverlayScreen").toBool());

        // Lock keys play no part on the simulated desktop; an unknown combination does nothing.
        press(fixture, "Ctrl+Alt+Q");
        QCOMPARE(app.settings_map().value("NightTemperature").toInt(), 3900);
    }

    void theTimerShortcutFlipsTheTimerPause()
    {
        AppFixture fixture(desktop());
        fixture.start(withShortcuts({{"TimerPaused", false}}));
        press(fixture, "Ctrl+Alt+T");
        QVERIFY(fixture.app().settings_map().value("TimerPaused").toBool());
        press(fixture, "Ctrl+Alt+T");
        QVERIFY(!fixture.app().settings_map().value("TimerPaused").toBool());
    }

    void thePanicShortcutResetsTheSettings()
    {
        AppFixture fixture(desktop());
        fixture.start(withShortcuts({{"UseKeyboardShortcuts", false}, {"DayTemperature", 4000}}));
        press(fixture, "Ctrl+Alt+Shift+F10");
        QCOMPARE(fixture.app().settings_map().value("DayTemperature").toInt(), 5000);
    }

    void aChangedShortcutIsStoredAndRegistered()
    {
        AppFixture fixture(desktop());
        fixture.start(withShortcuts());
        App& app = fixture.app();
        QSignalSpy values(&app, &App::set_shortcuts_values);
        app.shortcut_changed(3, "Ctrl+Shift+B");
        QCOMPARE(app.settings_map().value("IncreaseBrightnessHotkey").toString(),
                 QStringLiteral("Ctrl+Shift+B"));
        QVERIFY(hotkeys(fixture).contains("Ctrl+Shift+B"));
        QVERIFY(!hotkeys(fixture).contains("Ctrl+Alt+PgUp"));
        QCOMPARE(values.last().at(0).toList().value(3).toString(), QStringLiteral("Ctrl+Shift+B"));

        const SettingsMap before = app.settings_map();
        app.shortcut_changed(0, "Ctrl+Shift+C");
        app.shortcut_changed(15, "Ctrl+Shift+C");
        QCOMPARE(app.settings_map(), before);
        QVERIFY(!hotkeys(fixture).contains("Ctrl+Shift+C"));
    }

    void aShortcutHeldElsewhereIsReported()
    {
        AppFixture fixture(desktop({{"taken_hotkeys", QJsonArray{"Ctrl+Alt+P"}}}));
        fixture.start(withShortcuts({{"IncreaseBrightnessHotkey", "Ctrl+Alt+Up"}}));
        QSignalSpy message(&fixture.app(), &App::set_shortcuts_message);
        fixture.app().shortcut_changed(0, QString());
        const QString text = message.last().at(0).toString();
        QVERIFY2(text.contains("Ctrl+Alt+P (Pause or resume Kavo): another program uses it"),
                 qPrintable(text));
        QVERIFY2(text.contains("(Increase brightness): another Kavo shortcut uses it"),
                 qPrintable(text));
        QVERIFY(!hotkeys(fixture).contains("Ctrl+Alt+P"));
    }

    void aDesktopThatKeepsKeysGetsTheLineForItsConfiguration()
    {
        AppFixture fixture(desktop({{"hotkeys_offered", false}}));
        fixture.start(
            withShortcuts({{"StartRestHotkey", "Ctrl+Alt+B"}, {"ZoomOutHotkey", "Ctrl+Alt+F5"}}));
        QSignalSpy message(&fixture.app(), &App::set_shortcuts_message);
        fixture.app().shortcut_changed(0, QString());
        const QString text = message.last().at(0).toString();
        QVERIFY2(text.contains("Ctrl+Alt+B (Start a break; in sway's configuration: bindsym "
                               "Ctrl+Alt+b exec kavoctl shortcut start-break): this desktop keeps "
                               "shortcuts to itself"),
                 qPrintable(text));
        QVERIFY(hotkeys(fixture).isEmpty());
    }

    void swayBindingsNameTheKeysAsSwayDoes_data()
    {
        QTest::addColumn<int>("feature");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("line");
        QTest::newRow("letter") << 10 << "Ctrl+Alt+B"
                                << "bindsym Ctrl+Alt+b exec kavoctl shortcut start-break";
        QTest::newRow("logo and function key")
            << 1 << "Meta+Shift+F2"
            << "bindsym Shift+Mod4+F2 exec kavoctl shortcut increase-temperature";
        QTest::newRow("two combinations") << 12 << "Ctrl+A, Ctrl+B"
                                          << "";
    }

    void swayBindingsNameTheKeysAsSwayDoes()
    {
        QFETCH(int, feature);
        QFETCH(QString, keys);
        QTEST(HotkeyProcessor::sway_binding(feature, QKeySequence::fromString(keys)), "line");
    }

    void recordingOnThePageLetsGoOfTheKeys()
    {
        AppFixture fixture(desktop());
        fixture.start(withShortcuts());
        fixture.app().shortcut_recording_started();
        QVERIFY(hotkeys(fixture).isEmpty());
        fixture.app().shortcut_recording_finished();
        QCOMPARE(hotkeys(fixture).size(), 15);
    }

    void theZoomKeysZoomWhereTheDesktopCan()
    {
        const QJsonObject magnifier{{"capabilities", QJsonObject{{"magnifier", true}}}};
        AppFixture fixture(desktop(magnifier));
        fixture.start(withShortcuts());
        QVERIFY(hotkeys(fixture).contains("Ctrl+Alt++"));
        QVERIFY(hooks(fixture).value("zoom_keys_blocked").toBool());
        const auto zoom = [&fixture] {
            return fixture.desktop().state().value("zoom").toObject().value("level").toDouble();
        };
        press(fixture, "Ctrl+Alt+Num++", magnifier); // the hook's path
        QTRY_COMPARE(qRound(zoom() * 100), 120);
        press(fixture, "Ctrl+Alt+-", magnifier); // the shortcut's path
        QTRY_COMPARE(qRound(zoom() * 100), 105);
    }

    void inactivityReachesTheControllerAndTheTimer_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QJsonObject>("input");
        QTest::newRow("keyboard") << "UseKeyboardInactivity" << QJsonObject{{"key", "A"}};
        QTest::newRow("mouse") << "UseMouseInactivity" << QJsonObject{{"move", QJsonArray{10, 10}}};
        QTest::newRow("wheel") << "UseMouseInactivity" << QJsonObject{{"wheel", 120}};
    }

    void inactivityReachesTheControllerAndTheTimer()
    {
        QFETCH(QString, setting);
        QFETCH(QJsonObject, input);
        AppFixture fixture(desktop());
        fixture.start(withShortcuts({{setting, true}, {"TimerType", 2}, {"TimerPaused", false}}));
        App& app = fixture.app();

        tick(app, 121);
        QVERIFY(app.is_idle());
        QCOMPARE(app.rest_timer()->phase(), RestTimer::Phase::Off);

        inject(fixture, input);
        QVERIFY(!app.is_idle());
        tick(app, 1);
        QCOMPARE(app.rest_timer()->phase(), RestTimer::Phase::Work);
    }

    void aPausedTimerCountsNoInactivity()
    {
        AppFixture fixture(desktop());
        fixture.start(withShortcuts({{"UseKeyboardInactivity", true}, {"TimerPaused", true}}));
        tick(fixture.app(), 200);
        QVERIFY(!fixture.app().is_idle());
    }

    void switchingInactivityOffBringsTheTimerBack()
    {
        AppFixture fixture(desktop());
        fixture.start(withShortcuts(
            {{"UseMouseInactivity", true}, {"TimerType", 2}, {"TimerPaused", false}}));
        App& app = fixture.app();
        QVERIFY(hooks(fixture).value("mouse").toBool());
        tick(app, 121);
        QCOMPARE(app.rest_timer()->phase(), RestTimer::Phase::Off);
        app.use_mouse_inactivity_changed(false);
        QVERIFY(!hooks(fixture).value("mouse").toBool());
        tick(app, 1);
        QCOMPARE(app.rest_timer()->phase(), RestTimer::Phase::Work);
    }

    void theAutoClickerStartsStopsAndEndsWithKavo()
    {
        AppFixture fixture(desktop());
        fixture.start(withShortcuts({{"MouseClickInterval", 0}}));
        App& app = fixture.app();
        QSignalSpy running(&app, &App::auto_clicker_changed);
        app.start_mouse_clicking();
        QCOMPARE(SystemMouse::instance()->click_interval(), 10);
        QTRY_VERIFY(fixture.desktop().state().value("synthetic_click_count").toInt() > 2);
        app.stop_mouse_clicking();
        QVERIFY(!app.is_auto_clicker_running());

        app.mouse_click_interval_changed(50);
        app.start_mouse_clicking();
        QCOMPARE(SystemMouse::instance()->click_interval(), 50);
        app.quit_kavo();
        QVERIFY(!app.is_auto_clicker_running());
        QCOMPARE(running.count(), 4);
    }

    void theSoftwareCursorFollowsItsSetting_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::newRow("a desktop that draws it") << false;
        QTest::newRow("a desktop that cannot") << true;
    }

    void theSoftwareCursorFollowsItsSetting()
    {
        QFETCH(bool, refused);
        QJsonObject extra;
        if (refused)
            extra.insert("refused_system_parameters", QJsonArray{93});
        AppFixture fixture(desktop(extra));
        fixture.start(withShortcuts());
        App& app = fixture.app();
        QSignalSpy message(&app, &App::set_software_cursor_message);
        QSignalSpy published(&app, &App::set_use_software_cursor);
        app.use_software_cursor_changed(true);
        QCOMPARE(app.settings_map().value("UseSoftwareCursor").toBool(), !refused);
        QCOMPARE(message.last().at(0).toString().isEmpty(), !refused);
        QCOMPARE(published.count(), refused ? 1 : 0);
        if (!refused) {
            const QJsonObject parameters =
                fixture.desktop().state().value("system_parameters").toObject();
            QCOMPARE(parameters.value("93").toInt(), -1);
        }
    }
};

QTEST_MAIN(TestAppInput)
#include "tst_app_input.moc"
