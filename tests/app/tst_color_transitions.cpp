#include "ColorTransitions.h"
#include "Presets.h"

#include <QtTest>

// Records what the transitions ask of the controller.
class FakeHost : public TransitionHost
{
public:
    ColorPoint current{6500.0f, 100.0f};
    ColorPoint scheduled{3400.0f, 80.0f};
    bool perMonitor = false;
    bool gammaPaused = false;
    int duration = 1000;
    int interval = 25;
    bool inverted = false;
    bool desired = false;
    QVector<ColorPoint> applied;
    QStringList calls;

    ColorPoint current_colors() const override { return current; }
    void set_current_colors(int temperature, int brightness) override
    {
        current = {float(temperature), float(brightness)};
    }
    ColorPoint scheduled_colors() override { return scheduled; }
    void apply_transition_colors(int temperature, float factor) override
    {
        applied.append({float(temperature), factor * 100.0f});
        calls << QString("apply %1 inverted=%2").arg(temperature).arg(inverted);
    }
    bool uses_per_monitor_settings() override { return perMonitor; }
    bool is_gamma_paused() override { return gammaPaused; }
    void restore_gamma() override { calls << "restore_gamma"; }
    void update_gamma() override { calls << "update_gamma"; }
    void update_kavo() override { calls << "update_kavo"; }
    void refresh_after_transition() override { calls << "refresh"; }
    void set_gamma_inverted(bool value) override
    {
        inverted = value;
        calls << QString("inverted %1").arg(value);
    }
    bool desired_inversion() override { return desired; }
    void set_desired_inversion(bool value) override { desired = value; }
    void refresh_color_effects() override { calls << "effects"; }
    void refresh_color_inversion() override { calls << "inversion"; }
    int pause_transition_duration() override { return duration; }
    int smooth_colors_update_interval() override { return interval; }
};

class TestColorTransitions : public QObject
{
    Q_OBJECT

private:
    // Runs timer-less: steps `timeout` until `running` reports the end, at most `limit` times.
    template <typename Running, typename Timeout>
    static int runToEnd(Running running, Timeout timeout, int limit = 10000)
    {
        int ticks = 0;
        while (running() && ticks < limit) {
            timeout();
            ++ticks;
        }
        return ticks;
    }

private slots:
    void glideStopsEachChannelOnceItPassesItsTarget()
    {
        ColorGlide glide;
        glide.start({3400.0f, 80.0f}, {6500.0f, 80.0f}, 4);
        int steps = 0;
        while (glide.step())
            ++steps;
        QCOMPARE(steps, 4); // the fifth step passes 6500 and ends the glide
        QVERIFY(glide.current().temperature > 6500.0f);
        QCOMPARE(glide.current().brightness, 80.0f);
    }

    void stepCount_data()
    {
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("steps");
        QTest::newRow("usual") << 1000 << 25 << 40;
        QTest::newRow("interval 0") << 1000 << 0 << 1;
        QTest::newRow("interval above duration") << 1000 << 2000 << 1;
        QTest::newRow("integer division") << 1000 << 300 << 3;
    }

    void stepCount()
    {
        QFETCH(int, duration);
        QFETCH(int, interval);
        QFETCH(int, steps);
        FakeHost host;
        host.duration = duration;
        host.interval = interval;
        ColorTransitions transitions(host);
        QCOMPARE(transitions.step_count(), steps);
    }

    void oneStepGlideArrivesAtOnce()
    {
        FakeHost host;
        host.interval = 0;
        ColorTransitions transitions(host);
        transitions.return_colors();
        const int ticks = runToEnd([&] { return transitions.return_running(); },
                                   [&] { transitions.return_colors_timeout(); });
        QCOMPARE(ticks, 2);
        QCOMPARE(host.applied, (QVector<ColorPoint>{{3400.0f, 80.0f}}));
        QCOMPARE(host.calls.last(), QString("refresh"));
    }

    void restoreReversesAReturnWithoutAJump()
    {
        FakeHost host;
        ColorTransitions transitions(host);
        transitions.return_colors();
        for (int i = 0; i < 10; ++i)
            transitions.return_colors_timeout();
        const ColorPoint reached = host.applied.last();
        QVERIFY(reached.temperature < 6500.0f && reached.temperature > 3400.0f);

        host.applied.clear();
        transitions.restore_colors();
        QVERIFY(!transitions.return_running());
        QVERIFY(transitions.restore_running());
        transitions.restore_colors_timeout();
        const ColorPoint next = host.applied.first();
        // One step back towards neutral from where the return glide stood.
        QVERIFY(next.temperature > reached.temperature);
        QVERIFY(next.temperature - reached.temperature < 100.0f);
        runToEnd([&] { return transitions.restore_running(); },
                 [&] { transitions.restore_colors_timeout(); });
        QCOMPARE(host.current, (ColorPoint{6500.0f, 100.0f}));
        QCOMPARE(host.calls.mid(host.calls.size() - 2),
                 (QStringList{"restore_gamma", "refresh"}));
    }

    void perMonitorSettingsPauseAndResumeAtOnce()
    {
        FakeHost host;
        host.perMonitor = true;
        ColorTransitions transitions(host);
        transitions.restore_colors();
        transitions.return_colors();
        transitions.move_to(4000, 90);
        QVERIFY(!transitions.any_running());
        QCOMPARE(host.calls, (QStringList{"restore_gamma", "update_gamma", "update_kavo"}));
    }

    void moveToIsIgnoredWhilePaused()
    {
        FakeHost host;
        host.gammaPaused = true;
        ColorTransitions transitions(host);
        transitions.move_to(4000, 90);
        QVERIFY(!transitions.any_running());
    }

    void switchFlipsTheInversionAtTheDarkPoint()
    {
        FakeHost host;
        ColorTransitions transitions(host);
        transitions.return_colors_with_switch_state();
        QVERIFY(transitions.switch_running());
        runToEnd([&] { return transitions.switch_running(); },
                 [&] { transitions.switch_state_timeout(); });
        QVERIFY(transitions.switch_return_running());
        const int flip = host.calls.indexOf("inverted 1");
        QVERIFY(flip > 0);
        // The last colours before the flip were the dark point, drawn uninverted.
        const QStringList lastApply = host.calls.at(flip - 1).split(' ');
        QCOMPARE(lastApply.first(), QString("apply"));
        QVERIFY(lastApply.at(1).toInt() <= 101);
        QCOMPARE(lastApply.last(), QString("inverted=0"));
        runToEnd([&] { return transitions.switch_return_running(); },
                 [&] { transitions.switch_state_return_timeout(); });
        QVERIFY(host.inverted);
        QCOMPARE(host.applied.last().temperature, 3400.0f);
        QCOMPARE(host.calls.mid(host.calls.size() - 2), (QStringList{"refresh", "inversion"}));
    }

    void restoreWithSwitchEndsAtNeutralUninverted()
    {
        FakeHost host;
        host.current = {3400.0f, 80.0f};
        ColorTransitions transitions(host);
        transitions.restore_colors_with_switch_state();
        runToEnd([&] { return transitions.switch_running(); },
                 [&] { transitions.switch_state_timeout(); });
        runToEnd([&] { return transitions.switch_return_running(); },
                 [&] { transitions.switch_state_return_timeout(); });
        QVERIFY(!host.inverted);
        const ColorPoint end = host.applied.last();
        QVERIFY(qAbs(end.temperature - 6500.0f) < 1.0f);
        QVERIFY(qAbs(end.brightness - 100.0f) < 0.1f);
    }

    void timersDriveTheGlide()
    {
        FakeHost host;
        host.interval = 1;
        host.duration = 10;
        ColorTransitions transitions(host);
        transitions.return_colors();
        QTRY_VERIFY(!transitions.any_running());
        QCOMPARE(host.calls.last(), QString("refresh"));
    }

    void presetsWriteTheirTables_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QVariantMap>("expected");
        QTest::addColumn<int>("inversion");
        const QVariantMap common{{"DayTemperature", 5000}, {"NightTemperature", 3400},
                                 {"SleepLight", 2700},     {"DayBrightness", 100},
                                 {"NightBrightness", 80},  {"SleepBrightness", 75},
                                 {"ColorChangesPaused", false}};
        auto with = [&common](const QVariantMap& own) {
            QVariantMap all = common;
            for (auto it = own.begin(); it != own.end(); ++it)
                all.insert(it.key(), it.value());
            return all;
        };
        const QVariantMap plainScreens{{"UseColorEffects", false},
                                       {"UseOverlayScreen", false},
                                       {"UseLightnessScreen", false}};
        const int keep = int(TypePreset::Inversion::Keep);
        const int invert = int(TypePreset::Inversion::Invert);
        const int revert = int(TypePreset::Inversion::Revert);
        QTest::newRow("custom") << 0 << common << keep;
        QTest::newRow("health") << 1 << with(plainScreens) << revert;
        QTest::newRow("sleep") << 2
                               << with({{"DayTemperature", 0}, {"NightTemperature", 0},
                                        {"SleepLight", 0}, {"UseColorEffects", false},
                                        {"UseOverlayScreen", false},
                                        {"UseLightnessScreen", false}})
                               << revert;
        QTest::newRow("gaming") << 3
                                << with({{"DayTemperature", 6500}, {"NightTemperature", 3600},
                                         {"SleepLight", 2500}, {"NightBrightness", 95},
                                         {"SleepBrightness", 90}, {"UseColorEffects", false},
                                         {"UseOverlayScreen", false},
                                         {"UseLightnessScreen", false}})
                                << revert;
        QTest::newRow("reading") << 4
                                 << with({{"UseColorEffects", true}, {"ColorEffect", 2},
                                          {"UseOverlayScreen", false},
                                          {"UseLightnessScreen", false}})
                                 << revert;
        QTest::newRow("programming") << 5 << with(plainScreens) << invert;
        QTest::newRow("biohacker") << 6
                                   << with({{"DayTemperature", 0}, {"NightTemperature", 0},
                                            {"SleepLight", 0}, {"UseColorEffects", false},
                                            {"UseOverlayScreen", false},
                                            {"UseLightnessScreen", false}})
                                   << invert;
        QTest::newRow("sunglasses") << 7
                                    << with({{"DayTemperature", 6500},
                                             {"NightTemperature", 6500}, {"SleepLight", 6500},
                                             {"NightBrightness", 75}, {"SleepBrightness", 65},
                                             {"UseColorEffects", false},
                                             {"UseOverlayScreen", false},
                                             {"UseLightnessScreen", false}})
                                    << revert;
        QTest::newRow("dark") << 8
                              << with({{"UseColorEffects", false}, {"UseOverlayScreen", false},
                                       {"UseLightnessScreen", true},
                                       {"LightnessScreenOpacity", 30},
                                       {"LightnessScreenRadius", 30},
                                       {"LightnessScreenXPosition", 50},
                                       {"LightnessScreenYPosition", 50}})
                              << revert;
        QTest::newRow("movie") << 9
                               << with({{"DayTemperature", 6500}, {"NightTemperature", 6500},
                                        {"SleepLight", 6500}, {"DayBrightness", 120},
                                        {"NightBrightness", 120}, {"SleepBrightness", 120},
                                        {"UseColorEffects", false},
                                        {"UseOverlayScreen", false},
                                        {"UseLightnessScreen", false}})
                               << revert;
        QTest::newRow("overlay") << 10
                                 << with({{"DayTemperature", 6500}, {"NightTemperature", 6500},
                                          {"SleepLight", 6500}, {"NightBrightness", 100},
                                          {"SleepBrightness", 100}, {"UseColorEffects", false},
                                          {"UseOverlayScreen", true}, {"DayOpacity", 5},
                                          {"NightOpacity", 40}, {"DayDim", 0},
                                          {"NightDim", 10}, {"UseLightnessScreen", false}})
                                 << revert;
        QTest::newRow("out of range") << 11 << common << keep;
    }

    void presetsWriteTheirTables()
    {
        QFETCH(int, type);
        QFETCH(QVariantMap, expected);
        QFETCH(int, inversion);
        const TypePreset preset = preset_for_type(type);
        QVariantMap written;
        for (const auto& [key, value] : preset.values)
            written.insert(key, value);
        QCOMPARE(written, expected);
        QCOMPARE(int(preset.inversion), inversion);
    }
};

QTEST_GUILESS_MAIN(TestColorTransitions)
#include "tst_color_transitions.moc"
