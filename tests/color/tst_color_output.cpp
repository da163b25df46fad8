#include "ColorTestDesktop.h"

#include "color/ColorEffectControl.h"
#include "color/ColorMatrixRecipe.h"
#include "color/ColorOutput.h"
#include "color/EffectMatrices.h"
#include "color/MagnificationApi.h"
#include "color/SystemParametersInfoApi.h"
#include "color/WindowsGamma.h"
#include "platform/GammaRangeRegistry.h"
#include "screens/KavoMessageBox.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include <limits>

namespace {
RampSettings colors(int temperature, float brightness = 1.0f)
{
    RampSettings settings;
    settings.temperature = temperature;
    settings.brightness = brightness;
    return settings;
}

GammaRamp expectedRamp(GammaRamp base, const RampSettings& settings, int scheme = 1)
{
    ColorRamp ramp;
    ramp.select_scheme(scheme);
    ramp.apply(base, settings);
    return base;
}

QVector<float> matrixFromJson(const QJsonValue& json)
{
    QVector<float> values;
    for (const QJsonValue& value : json.toArray())
        values.append(float(value.toDouble()));
    return values;
}

QVector<float> toVector(const ColorMatrix& matrix)
{
    return QVector<float>(matrix.values.begin(), matrix.values.end());
}

// A colour output with the controller's side recorded.
struct Controller
{
    QVariantMap settings{{"UseLowLevelColorApi", true},
                         {"PreserveGamma", true},
                         {"UseGammaFixer", true},
                         {"ColorScheme", 1},
                         {"LeadingColor", 1},
                         {"ColorEffect", 1},
                         {"Saturation", 100}};
    QList<int> ignored;
    QStringList messages;
    int broughtToFront = 0;
    int updates = 0;
    std::function<void()> onUpdate;
    ColorOutput output{settings, ignored, hooks()};

    ColorOutputHooks hooks()
    {
        ColorOutputHooks hooks;
        hooks.show_message_box = [this](const QString& title, const QString& message) {
            messages << title << message;
        };
        hooks.bring_to_front = [this] { ++broughtToFront; };
        hooks.update_gamma = [this] {
            ++updates;
            if (onUpdate)
                onUpdate();
            return 0;
        };
        return hooks;
    }
};
} // namespace

class TestColorOutput : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { KavoMessageBox::setTestAnswer(std::nullopt); }

    void writesOnlyTheNamedMonitor()
    {
        ColorTestDesktop desktop({{"monitors", ColorTestDesktop::monitors(2)}});
        WindowsGamma gamma(desktop.sim().displays());
        QCOMPARE(gamma.save_current_ramps(), 0);
        QCOMPARE(gamma.set_temperature(colors(3000, 0.8f), {}, 2), 0);
        QCOMPARE(desktop.ramp(0), GammaRamp::identity());
        QCOMPARE(desktop.ramp(1), expectedRamp(GammaRamp::identity(), colors(3000, 0.8f)));
        QCOMPARE(gamma.set_temperature(colors(2000), {}, 0), 0);
        QCOMPARE(desktop.ramp(0), expectedRamp(GammaRamp::identity(), colors(2000)));
    }

    void ignoredMonitorGetsItsBaseBack()
    {
        const GammaRamp calibration = ColorTestDesktop::calibration(7);
        ColorTestDesktop desktop({{"monitors", ColorTestDesktop::monitors(2, {{}, calibration})}});
        WindowsGamma gamma(desktop.sim().displays());
        gamma.save_current_ramps();
        gamma.set_temperature(colors(3000), {}, 0);
        QVERIFY(desktop.ramp(1) != calibration);
        gamma.set_temperature(colors(3000), {2}, 0);
        QCOMPARE(desktop.ramp(1), calibration);
        QCOMPARE(desktop.ramp(0), expectedRamp(GammaRamp::identity(), colors(3000)));
    }

    void baseRamp_data()
    {
        QTest::addColumn<bool>("preserve");
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<int>("base"); // 0 saved, 1 computing identity, 2 inverted identity
        QTest::newRow("preserved") << true << false << 0;
        QTest::newRow("not preserved") << false << false << 1;
        QTest::newRow("inverted and preserved") << true << true << 2;
        QTest::newRow("inverted") << false << true << 2;
    }

    void baseRamp()
    {
        QFETCH(bool, preserve);
        QFETCH(bool, inverted);
        QFETCH(int, base);
        const GammaRamp calibration = ColorTestDesktop::calibration(3);
        ColorTestDesktop desktop({{"monitors", ColorTestDesktop::monitors(1, {calibration})}});
        WindowsGamma gamma(desktop.sim().displays());
        gamma.save_current_ramps();
        gamma.set_preserve_gamma(preserve);
        gamma.set_inverted(inverted);
        gamma.set_temperature(colors(4000), {}, 0);
        const GammaRamp bases[] = {calibration, ColorRamp::computingIdentity(),
                                   ColorRamp::invertedIdentity()};
        QCOMPARE(desktop.ramp(0), expectedRamp(bases[base], colors(4000)));
    }

    void fixerMovesEntry254_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("expected");
        QTest::newRow("offset 0") << 40000 << 0 << 40000;
        QTest::newRow("down by 2") << 40000 << 2 << 39998;
        QTest::newRow("1 goes up, not below 0") << 1 << 2 << 3;
        QTest::newRow("equal goes up") << 2 << 2 << 4;
    }

    void fixerMovesEntry254()
    {
        QFETCH(int, level);
        QFETCH(int, offset);
        QFETCH(int, expected);
        GammaRamp calibration = GammaRamp::identity();
        calibration.red[254] = calibration.green[254] = calibration.blue[254] = quint16(level);
        ColorTestDesktop desktop({{"monitors", ColorTestDesktop::monitors(1, {calibration})}});
        WindowsGamma gamma(desktop.sim().displays());
        gamma.save_current_ramps();
        gamma.set_fixer_offset(offset);
        gamma.set_temperature(colors(6500), {}, 0);
        QCOMPARE(int(desktop.ramp(0).blue[254]), expected);
        QCOMPARE(int(desktop.ramp(0).red[253]), int(calibration.red[253]));
    }

    // The same colours again after the scheme or the leading colour changed: a new ramp.
    void sameColoursInAnotherSchemeAreComputedAgain()
    {
        ColorTestDesktop desktop({{"monitors", ColorTestDesktop::monitors(2)}});
        WindowsGamma gamma(desktop.sim().displays());
        gamma.save_current_ramps();
        gamma.set_temperature(colors(3000), {}, 0);
        gamma.set_color_scheme(2);
        gamma.set_temperature(colors(3000), {}, 0);
        QCOMPARE(desktop.ramp(1), expectedRamp(GammaRamp::identity(), colors(3000), 2));
        gamma.set_leading_color(3);
        gamma.set_temperature(colors(3000), {}, 0);
        ColorRamp ramp;
        ramp.select_scheme(2);
        ramp.set_leading_color(3);
        GammaRamp expected = GammaRamp::identity();
        ramp.apply(expected, colors(3000));
        QCOMPARE(desktop.ramp(1), expected);
        QVERIFY(expected != expectedRamp(GammaRamp::identity(), colors(3000), 2));
    }

    void refusesColoursItCannotShow_data()
    {
        QTest::addColumn<int>("temperature");
        QTest::addColumn<float>("brightness");
        QTest::newRow("too dark") << 6500 << 0.04f;
        QTest::newRow("negative temperature") << -100 << 1.0f;
    }

    void refusesColoursItCannotShow()
    {
        QFETCH(int, temperature);
        QFETCH(float, brightness);
        ColorTestDesktop desktop({{"monitors", ColorTestDesktop::monitors(2)}});
        WindowsGamma gamma(desktop.sim().displays());
        gamma.save_current_ramps();
        QCOMPARE(gamma.set_temperature(colors(temperature, brightness), {}, 0), -1);
        QCOMPARE(desktop.ramp(0), GammaRamp::identity());
        QCOMPARE(desktop.ramp(1), GammaRamp::identity());
    }

    void allZeroRampIsNoCalibration()
    {
        ColorTestDesktop desktop({{"monitors", ColorTestDesktop::monitors(1, {GammaRamp{}})}});
        WindowsGamma gamma(desktop.sim().displays());
        gamma.save_current_ramps();
        QCOMPARE(gamma.saved_ramp(0), GammaRamp::identity());
        gamma.restore();
        QCOMPARE(desktop.ramp(0), GammaRamp::identity());
    }

    void everyMonitorGetsItsOwnRampBack()
    {
        QVector<GammaRamp> calibrations;
        for (int i = 0; i < 12; ++i)
            calibrations << ColorTestDesktop::calibration(i);
        ColorTestDesktop desktop({{"monitors", ColorTestDesktop::monitors(12, calibrations)}});
        WindowsGamma gamma(desktop.sim().displays());
        QCOMPARE(gamma.save_current_ramps(), 0);
        gamma.set_temperature(colors(2500), {}, 0);
        QCOMPARE(gamma.restore(), 0);
        for (int i = 0; i < 12; ++i)
            QCOMPARE(desktop.ramp(i), calibrations[i]);
    }

    void turningPreservationOffResetsFirst()
    {
        ColorTestDesktop desktop(
            {{"monitors", ColorTestDesktop::monitors(2, {ColorTestDesktop::calibration(1),
                                                         ColorTestDesktop::calibration(2)})}});
        Controller controller;
        controller.output.start();
        QVector<GammaRamp> atUpdate;
        controller.onUpdate = [&] { atUpdate = {desktop.ramp(0), desktop.ramp(1)}; };
        controller.output.preserve_gamma_changed(false);
        QCOMPARE(atUpdate, (QVector<GammaRamp>{GammaRamp::identity(), GammaRamp::identity()}));
        controller.output.apply_colors(colors(3000), 0);
        QCOMPARE(desktop.ramp(1), expectedRamp(ColorRamp::computingIdentity(), colors(3000)));
    }

    void startUpAppliesSchemeAndPreservation()
    {
        ColorTestDesktop desktop({{"monitors", ColorTestDesktop::monitors(1)}});
        Controller controller;
        controller.settings["ColorScheme"] = 2;
        controller.output.start();
        QCOMPARE(controller.updates, 3);
        controller.output.apply_colors(colors(3000), 0);
        QCOMPARE(desktop.ramp(0), expectedRamp(GammaRamp::identity(), colors(3000), 2));
    }

    void refusedRampRepairsTheRangeAndUsesTheMatrix()
    {
        ColorTestDesktop desktop({{"monitors", ColorTestDesktop::monitors(2)},
                                  {"gamma_range_limited", true},
                                  {"capabilities", QJsonObject{{"magnifier", true}}}});
        MagnificationApi magnification(desktop.sim().magnifier(), desktop.sim().displays());
        Controller controller;
        controller.output.start();
        controller.output.check_gamma_range();
        QVERIFY(!controller.output.is_gamma_range_unlocked());

        QCOMPARE(controller.output.apply_colors(colors(6000), 0), 0);
        QVERIFY(!controller.output.is_gamma_failed());

        QCOMPARE(controller.output.apply_colors(colors(1500, 0.5f), 0), 0);
        QVERIFY(controller.output.is_gamma_failed());
        QCOMPARE(controller.messages.value(0), QString("Restart your PC"));
        QVERIFY(controller.messages.value(1).startsWith("Kavo made a small change"));
        QCOMPARE(controller.broughtToFront, 1);
        IRegistry& registry = desktop.sim().registry();
        QCOMPARE(GammaRangeRegistry::gammaRange(registry), 256);
        QVERIFY(GammaRangeRegistry::isRestartNeeded(registry));
        QVERIFY(registry.hasKey(GammaRangeRegistry::kUrlCommandKey));
        QVERIFY(QFile::exists(qEnvironmentVariable("XDG_DATA_HOME") + "/gamma_ramp.reg"));
        QCOMPARE(desktop.sim().state()["commands"].toArray().size(), 1);

        // The ramps are back at their base and the colours are in the full-screen matrix.
        QCOMPARE(desktop.ramp(0), GammaRamp::identity());
        QCOMPARE(desktop.ramp(1), GammaRamp::identity());
        ColorMatrixRecipe recipe;
        recipe.settings = colors(1500, 0.5f);
        QCOMPARE(matrixFromJson(desktop.sim().state()["fullscreen_matrix"]),
                 toVector(recipe.build(ColorRamp())));

        // From now on the matrix carries every change, without asking again.
        controller.output.apply_colors(colors(3000, 0.7f), 0);
        recipe.settings = colors(3000, 0.7f);
        QCOMPARE(matrixFromJson(desktop.sim().state()["fullscreen_matrix"]),
                 toVector(recipe.build(ColorRamp())));
        QCOMPARE(desktop.ramp(0), GammaRamp::identity());
        QCOMPARE(controller.messages.size(), 2);
    }

    void pendingRestartSaysColoursAreLimited()
    {
        const QJsonObject registry{
            {GammaRangeRegistry::kIcmKey, QJsonObject{{"GdiIcmGammaRange", 256}}},
            {GammaRangeRegistry::kRunOnceKey,
             QJsonObject{{"KAVO_RESTART_NEEDED", "KAVO_RESTART_NEEDED"}}}};
        ColorTestDesktop desktop({{"gamma_range_limited", true}, {"registry", registry}});
        Controller controller;
        controller.output.check_gamma_range();
        QCOMPARE(controller.output.read_gamma_registry(), 256);
        controller.output.apply_colors(colors(1500, 0.5f), 0);
        QVERIFY(controller.output.is_gamma_failed());
        QCOMPARE(controller.messages.value(1),
                 QString("Some functionality is limited, because you need to Restart your PC. "
                         "You are using High-level Color API right now."));
        QVERIFY(desktop.sim().state()["commands"].toArray().isEmpty());
    }

    void nestedApplyReturnsAtOnce()
    {
        ColorTestDesktop desktop({{"gamma_range_limited", true}});
        Controller controller;
        int nested = -1;
        controller.output.start();
        ColorOutputHooks hooks = controller.hooks();
        QVariantMap settings = controller.settings;
        QList<int> ignored;
        ColorOutput* output = nullptr;
        hooks.show_message_box = [&](const QString&, const QString&) {
            nested = output->apply_colors(colors(1000, 0.1f), 0);
        };
        ColorOutput guarded(settings, ignored, hooks);
        output = &guarded;
        QCOMPARE(guarded.apply_colors(colors(1500, 0.5f), 0), 0);
        QCOMPARE(nested, 0);
    }

    void unlockedRangeRegistersTheUrlScheme()
    {
        const QJsonObject registry{
            {GammaRangeRegistry::kIcmKey, QJsonObject{{"GdiIcmGammaRange", 256}}}};
        ColorTestDesktop desktop({{"registry", registry}});
        Controller controller;
        controller.output.check_gamma_range();
        QVERIFY(controller.output.is_gamma_range_unlocked());
        IRegistry& reg = desktop.sim().registry();
        QCOMPARE(reg.value("HKEY_LOCAL_MACHINE\\Software\\Classes\\Kavo", "").toString(),
                 QString("URL:kavo"));
        QCOMPARE(reg.value(GammaRangeRegistry::kUrlCommandKey, "").toString(),
                 QString("\"%LOCALAPPDATA%\\Kavo\\Kavo.exe\" \"%1\" \"%2\" \"%3\" \"%4\" \"%5\" "
                         "\"%6\" \"%7\" \"%8\" \"%9\""));
        QCOMPARE(Controller().output.read_gamma_registry(), 256);
    }

    void readGammaRegistryIsZeroWithoutValue()
    {
        ColorTestDesktop desktop({});
        QCOMPARE(Controller().output.read_gamma_registry(), 0);
    }

    void refusedRampIsNotTakenForApplied()
    {
        ColorTestDesktop desktop({{"monitors", ColorTestDesktop::monitors(1)},
                                  {"capabilities", QJsonObject{{"magnifier", true}}}});
        MagnificationApi magnification(desktop.sim().magnifier(), desktop.sim().displays());
        Controller controller;
        controller.output.start();
        QCOMPARE(controller.output.apply_colors(colors(3000, 0.7f), 0), 0);

        desktop.reconfigure(QJsonObject{{"monitors", ColorTestDesktop::monitors(1)},
                                        {"capabilities", QJsonObject{{"magnifier", true}}},
                                        {"refuse_ramp_writes", 1}});
        controller.output.apply_colors(colors(3000, 0.7f), 0);
        QVERIFY(controller.output.is_gamma_failed());
        // The same colours as before the refusal: the matrix still has to carry them.
        ColorMatrixRecipe recipe;
        recipe.settings = colors(3000, 0.7f);
        QCOMPARE(matrixFromJson(desktop.sim().state()["fullscreen_matrix"]),
                 toVector(recipe.build(ColorRamp())));
        QCOMPARE(desktop.ramp(0), GammaRamp::identity());
    }

    void everyMonitorIsWrittenOnItsOwn()
    {
        const GammaRamp calibration = ColorTestDesktop::calibration(5);
        QJsonArray monitors = ColorTestDesktop::monitors(3, {{}, {}, calibration});
        monitors[1] = ColorTestDesktop::monitorWithoutGamma(1);
        ColorTestDesktop desktop({{"monitors", monitors}, {"gamma_range_limited", true}});
        Controller controller;
        controller.output.start();
        controller.output.check_gamma_range();

        QCOMPARE(controller.output.apply_colors(colors(4000), 0), 0);
        QVERIFY(!controller.output.is_gamma_failed());
        QCOMPARE(desktop.ramp(0), expectedRamp(GammaRamp::identity(), colors(4000)));
        QCOMPARE(desktop.ramp(2), expectedRamp(calibration, colors(4000)));
        const QJsonArray state = desktop.sim().state()["monitors"].toArray();
        QVERIFY(!state[1].toObject().contains("ramp"));

        // A refusal on the first monitor does not keep the last from its colours.
        desktop.reconfigure(QJsonObject{{"monitors", monitors}, {"refuse_ramp_writes", 1}});
        WindowsGamma gamma(desktop.sim().displays());
        QCOMPARE(gamma.save_current_ramps(), 0);
        QCOMPARE(gamma.saved_ramp(2), expectedRamp(calibration, colors(4000)));
        QCOMPARE(gamma.set_temperature(colors(3000), {}, 0), -1);
        QCOMPARE(desktop.ramp(2), expectedRamp(gamma.saved_ramp(2), colors(3000)));
        QCOMPARE(gamma.restore(), 0);
        QCOMPARE(desktop.ramp(0), gamma.saved_ramp(0));
    }

    void monitorPluggedInLaterKeepsItsOwnRamp()
    {
        ColorTestDesktop desktop({{"monitors", ColorTestDesktop::monitors(1)}});
        WindowsGamma gamma(desktop.sim().displays());
        QCOMPARE(gamma.save_current_ramps(), 0);
        const GammaRamp calibration = ColorTestDesktop::calibration(9);
        desktop.reconfigure(
            QJsonObject{{"monitors", ColorTestDesktop::monitors(2, {{}, calibration})}});
        QCOMPARE(gamma.set_temperature(colors(3000), {}, 0), 0);
        QCOMPARE(desktop.ramp(1), expectedRamp(calibration, colors(3000)));
        QCOMPARE(gamma.restore(), 0);
        QCOMPARE(desktop.ramp(1), calibration);
    }

    // Monitors come and go at other places in the enumeration: each keeps its own ramp.
    void aMonitorKeepsItsOwnRampWhereverItComes()
    {
        const GammaRamp first = ColorTestDesktop::calibration(3);
        const GammaRamp second = ColorTestDesktop::calibration(7);
        auto monitor = [](int x, const char* output, const GammaRamp& ramp) {
            return QJsonObject{{"x", x},           {"y", 0},
                               {"width", 1920},    {"height", 1080},
                               {"output", output}, {"ramp", SimDisplays::rampToJson(ramp)}};
        };
        ColorTestDesktop desktop(
            {{"monitors", QJsonArray{monitor(0, "DP-1", first), monitor(1920, "HDMI-1", second)}}});
        WindowsGamma gamma(desktop.sim().displays());
        QCOMPARE(gamma.save_current_ramps(), 0);
        QCOMPARE(gamma.set_temperature(colors(3000), {}, 0), 0);

        // The first monitor is unplugged: the second, now first, keeps its own ramp.
        desktop.reconfigure({{"monitors", QJsonArray{monitor(0, "HDMI-1", desktop.ramp(1))}}});
        QCOMPARE(gamma.set_temperature(colors(4000), {}, 0), 0);
        QCOMPARE(desktop.ramp(0), expectedRamp(second, colors(4000)));

        // Plugged in again, second now, still showing Kavo's colours: its own ramp comes back.
        const GammaRamp tinted = expectedRamp(first, colors(3000));
        desktop.reconfigure({{"monitors", QJsonArray{monitor(0, "HDMI-1", desktop.ramp(0)),
                                                     monitor(1920, "DP-1", tinted)}}});
        QCOMPARE(gamma.restore(), 0);
        QCOMPARE(desktop.ramp(0), second);
        QCOMPARE(desktop.ramp(1), first);
    }

    void coloursNoScreenCanShowReachNoDevice_data()
    {
        QTest::addColumn<int>("temperature");
        QTest::addColumn<float>("brightness");
        QTest::newRow("0 K / 0 %") << 0 << 0.0f;
        QTest::newRow("brightness 4 %") << 6500 << 0.04f;
        QTest::newRow("negative temperature") << -1 << 1.0f;
        QTest::newRow("brightness not a number") << 6500 << std::numeric_limits<float>::quiet_NaN();
    }

    void coloursNoScreenCanShowReachNoDevice()
    {
        QFETCH(int, temperature);
        QFETCH(float, brightness);
        ColorTestDesktop desktop(
            {{"monitors", ColorTestDesktop::monitors(2)}, {"gamma_range_limited", true}});
        Controller controller;
        controller.output.start();
        controller.output.check_gamma_range();
        QCOMPARE(controller.output.apply_colors(colors(temperature, brightness), 2), -1);
        QVERIFY(!controller.output.is_gamma_failed());
        QVERIFY(controller.messages.isEmpty());
        QCOMPARE(desktop.ramp(1), GammaRamp::identity());
        QCOMPARE(controller.output.apply_colors(colors(6000), 2), 0);
        QCOMPARE(desktop.ramp(1), expectedRamp(GammaRamp::identity(), colors(6000)));
    }

    void failedResetRebuildsTheGammaDevice()
    {
        ColorTestDesktop desktop({{"monitors", ColorTestDesktop::monitors(1)}});
        Controller controller;
        controller.settings["ColorScheme"] = 3;
        controller.output.start();
        controller.output.apply_colors(colors(3000), 0);
        const IGamma* before = controller.output.gamma();

        QJsonObject config{{"monitors", ColorTestDesktop::monitors(1)}, {"refuse_ramp_writes", 1}};
        QSaveFile file(desktop.configPath());
        file.open(QIODevice::WriteOnly);
        file.write(QJsonDocument(config).toJson());
        file.commit();
        desktop.sim().reloadConfig();

        QCOMPARE(controller.output.reset_gamma(), 0);
        QVERIFY(controller.output.gamma() != before);
        QCOMPARE(desktop.ramp(0), GammaRamp::identity());
        // The new device keeps the colour scheme.
        controller.output.apply_colors(colors(3000), 0);
        QCOMPARE(desktop.ramp(0), expectedRamp(GammaRamp::identity(), colors(3000), 3));
    }

    void fixerOffset_data()
    {
        QTest::addColumn<bool>("requested");
        QTest::addColumn<bool>("fixer");
        QTest::addColumn<bool>("lowLevel");
        QTest::addColumn<bool>("canMove");
        QTest::newRow("requested") << true << true << true << true;
        QTest::newRow("not requested") << false << true << true << false;
        QTest::newRow("fixer off") << true << false << true << false;
        QTest::newRow("matrix path") << true << true << false << false;
    }

    void fixerOffset()
    {
        QFETCH(bool, requested);
        QFETCH(bool, fixer);
        QFETCH(bool, lowLevel);
        QFETCH(bool, canMove);
        ColorTestDesktop desktop({});
        Controller controller;
        controller.settings["UseGammaFixer"] = fixer;
        controller.settings["UseLowLevelColorApi"] = lowLevel;
        QSet<int> offsets;
        for (int i = 0; i < 60; ++i) {
            if (requested)
                controller.output.fix_gamma();
            offsets << controller.output.refresh_color_fixer();
        }
        QCOMPARE(offsets, canMove ? (QSet<int>{0, 1, 2}) : QSet<int>{0});
    }

    void ignoredMonitorKeepsNoMatrix()
    {
        ColorTestDesktop desktop({{"monitors", ColorTestDesktop::monitors(3)},
                                  {"capabilities", QJsonObject{{"magnifier", true}}}});
        MagnificationApi magnification(desktop.sim().magnifier(), desktop.sim().displays());
        Controller controller;
        controller.settings["UseLowLevelColorApi"] = false;
        controller.ignored = {2};
        controller.output.start();
        controller.output.apply_colors(colors(3000), 0);
        const QJsonObject state = desktop.sim().state();
        QCOMPARE(matrixFromJson(state["fullscreen_matrix"]), toVector(ColorMatrix::identity()));
        const QJsonArray windows = state["magnifier_windows"].toArray();
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0].toObject()["x"].toInt(), 0);
        QCOMPARE(windows[1].toObject()["x"].toInt(), 3840);
        QCOMPARE(matrixFromJson(windows[1].toObject()["matrix"]),
                 toVector(ColorMatrix::temperature(ColorRamp(), colors(3000))));
        QTRY_COMPARE(
            desktop.sim().state()["magnifier_windows"].toArray()[0].toObject()["opacity"].toInt(),
            255);
    }

    void everyMonitorGetsItsMatrix()
    {
        ColorTestDesktop desktop({{"monitors", ColorTestDesktop::monitors(2)},
                                  {"capabilities", QJsonObject{{"magnifier", true}}}});
        MagnificationApi magnification(desktop.sim().magnifier(), desktop.sim().displays());
        Controller controller;
        controller.settings["UseLowLevelColorApi"] = false;
        controller.output.start();
        controller.output.apply_colors(colors(3000), 1);
        controller.output.apply_colors(colors(3000), 2);
        QCOMPARE(desktop.sim().state()["magnifier_windows"].toArray().size(), 2);
        // Going back to all monitors replaces the windows by the full-screen matrix.
        controller.output.apply_colors(colors(4000), 0);
        QCOMPARE(desktop.sim().state()["magnifier_windows"].toArray().size(), 0);
        QCOMPARE(matrixFromJson(desktop.sim().state()["fullscreen_matrix"]),
                 toVector(ColorMatrix::temperature(ColorRamp(), colors(4000))));
    }

    void matrixPathCombinesEffectInversionAndSaturation()
    {
        ColorTestDesktop desktop({{"capabilities", QJsonObject{{"magnifier", true}}}});
        MagnificationApi magnification(desktop.sim().magnifier(), desktop.sim().displays());
        Controller controller;
        controller.settings["UseLowLevelColorApi"] = false;
        controller.settings["UseColorEffects"] = true;
        controller.settings["ColorEffect"] = 2;
        controller.settings["UseSaturation"] = true;
        controller.settings["Saturation"] = 40;
        controller.output.start();
        controller.output.effect_control().toggle_inverted_gamma();
        controller.output.apply_colors(colors(3000, 0.9f), 0);
        ColorMatrixRecipe recipe{colors(3000, 0.9f), 2, true, 40};
        QCOMPARE(matrixFromJson(desktop.sim().state()["fullscreen_matrix"]),
                 toVector(recipe.build(ColorRamp())));
    }

    void effectsOverRamps()
    {
        ColorTestDesktop desktop({{"capabilities", QJsonObject{{"magnifier", true}}}});
        MagnificationApi magnification(desktop.sim().magnifier(), desktop.sim().displays());
        Controller controller;
        controller.settings["UseColorEffects"] = true;
        controller.settings["ColorEffect"] = 14;
        controller.output.start();
        controller.output.effect_control().refresh_color_effects();
        QCOMPARE(matrixFromJson(desktop.sim().state()["fullscreen_matrix"]),
                 toVector(EffectMatrices::matrix(14)));
        controller.output.effect_control().use_color_effects_changed(false);
        controller.output.effect_control().refresh_color_effects();
        QCOMPARE(matrixFromJson(desktop.sim().state()["fullscreen_matrix"]),
                 toVector(ColorMatrix::identity()));
    }

    void withoutMagnifierKavoDrawsTheEffects()
    {
        ColorTestDesktop desktop({{"capabilities", QJsonObject{{"magnifier", false}}}});
        MagnificationApi magnification(desktop.sim().magnifier(), desktop.sim().displays());
        Controller controller;
        controller.output.start();
        IColorEffects* effects = controller.output.effects();
        // Inversion goes into the ramps as a curve; the user's inversion setting stays.
        QCOMPARE(effects->set_effect(1), 0);
        QVERIFY(!controller.settings["UseInvertedColors"].toBool());
        QVERIFY(!controller.output.gamma()->channel_curves().is_identity());
        QCOMPARE(effects->reset(), 0);
        QVERIFY(controller.output.gamma()->channel_curves().is_identity());

        // The user's own inversion survives the effect refresh of every update.
        controller.output.effect_control().toggle_inverted_gamma();
        controller.output.effect_control().refresh_color_effects();
        QVERIFY(controller.output.gamma()->is_inverted());
        QVERIFY(!desktop.sim().state().contains("fullscreen_matrix"));
    }

    void inversionSlots()
    {
        ColorTestDesktop desktop({});
        Controller controller;
        controller.output.start();
        ColorEffectControl& control = controller.output.effect_control();
        control.use_inverted_colors_changed(true);
        QVERIFY(controller.output.gamma()->is_inverted());
        QVERIFY(controller.settings["AdvancedUseInvertedColors"].toBool());
        controller.output.apply_colors(colors(6500), 0);
        QCOMPARE(desktop.ramp(0), ColorRamp::invertedIdentity());
        control.revert_colors();
        QVERIFY(!control.use_inverted_colors());
        QVERIFY(!controller.output.gamma()->is_inverted());
    }

    void inversionWaitsForTheFade()
    {
        ColorTestDesktop desktop({});
        QVariantMap settings;
        QList<int> ignored;
        int fades = 0;
        ColorOutputHooks hooks;
        hooks.start_switch_state = [&] { ++fades; };
        ColorOutput output(settings, ignored, hooks);
        output.effect_control().invert_colors();
        QCOMPARE(fades, 1);
        QVERIFY(settings["UseInvertedColors"].toBool());
        QVERIFY(!output.gamma()->is_inverted());
        output.effect_control().invert_colors();
        QCOMPARE(fades, 1);
    }

    void magnifierStartFailureIsReported_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("fails");
        QTest::addColumn<int>("messages");
        QTest::newRow("starts") << true << false << 0;
        QTest::newRow("fails") << true << true << 1;
        QTest::newRow("absent") << false << false << 0;
    }

    void magnifierStartFailureIsReported()
    {
        QFETCH(bool, present);
        QFETCH(bool, fails);
        QFETCH(int, messages);
        ColorTestDesktop desktop({{"capabilities", QJsonObject{{"magnifier", present}}},
                                  {"magnifier_init_fails", fails}});
        KavoMessageBox::setTestAnswer(QString("OK"));
        KavoMessageBox::testMessages().clear();
        MagnificationApi magnification(desktop.sim().magnifier(), desktop.sim().displays());
        QCOMPARE(KavoMessageBox::testMessages().size(), 2 * messages);
        if (messages) {
            QCOMPARE(KavoMessageBox::testMessages()[0], QString("Kavo Color Effects"));
            QCOMPARE(KavoMessageBox::testMessages()[1],
                     QString("Failed to initialize color effects."));
        }
    }

    void desktopFunctionsAloneCarryEffects()
    {
        QJsonArray missing;
        for (const QString& name : SimMagnifier::kFunctionNames) {
            if (name.startsWith("Mag"))
                missing.append(name);
        }
        ColorTestDesktop desktop({{"capabilities", QJsonObject{{"magnifier", true}}},
                                  {"magnifier_missing_functions", missing}});
        KavoMessageBox::setTestAnswer(QString("OK"));
        MagnificationApi magnification(desktop.sim().magnifier(), desktop.sim().displays());
        QVERIFY(magnification.load_functions());
        QVERIFY(magnification.set_fullscreen_color_effect(EffectMatrices::matrix(3)));
        QCOMPARE(matrixFromJson(desktop.sim().state()["fullscreen_matrix"]),
                 toVector(EffectMatrices::matrix(3)));
    }

    void zoom()
    {
        ColorTestDesktop desktop({{"capabilities", QJsonObject{{"magnifier", true}}}});
        MagnificationApi magnification(desktop.sim().magnifier(), desktop.sim().displays());
        QSignalSpy active(&magnification, &MagnificationApi::zoom_active_changed);
        magnification.zoom_in(0.5f);
        QVERIFY(magnification.is_zoom_timer_running());
        QCOMPARE(active.count(), 1);
        QCOMPARE(magnification.zoom_level(), 1.5f);
        QTRY_COMPARE(desktop.sim().state()["zoom"].toObject()["level"].toDouble(), 1.5);
        magnification.zoom_out(1.0f);
        QVERIFY(!magnification.is_zoom_timer_running());
        QCOMPARE(magnification.zoom_level(), 1.0f);
        QCOMPARE(active.count(), 2);
        QCOMPARE(active.last().first().toBool(), false);
        QCOMPARE(desktop.sim().state()["zoom"].toObject()["level"].toDouble(), 1.0);
    }

    void systemParameters()
    {
        ColorTestDesktop desktop({});
        SystemParametersInfoApi parameters(desktop.sim().systemParameters());
        parameters.enable_clear_type();
        parameters.use_software_cursor();
        const QJsonObject state = desktop.sim().state()["system_parameters"].toObject();
        QCOMPARE(state["75"].toInt(), 1);
        QCOMPARE(state["8203"].toInt(), 2);
        QCOMPARE(state["93"].toInt(), -1);
    }

    void messageBoxAnswersThroughTheTestHook()
    {
        KavoMessageBox::setTestAnswer(QString("OK"));
        KavoMessageBox::testMessages().clear();
        auto* box = new KavoMessageBox("Title", "Message");
        QSignalSpy finished(box, &KavoMessageBox::finished);
        QSignalSpy closed(box, &KavoMessageBox::closed);
        QPointer<KavoMessageBox> watch(box);
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toString(), QString("OK"));
        QCOMPARE(closed.count(), 1);
        QCOMPARE(KavoMessageBox::testMessages(), (QStringList{"Title", "Message"}));
        QTRY_VERIFY(watch.isNull());
    }
};

QTEST_MAIN(TestColorOutput)
#include "tst_color_output.moc"
