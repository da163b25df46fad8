// The "Screen overlay", "Lightness" and "Screen effects" pages in the real web engine: they show
// the stored values, and what the user drags, chooses and clicks reaches the settings and the
// overlay windows.
#include "AppFixture.h"
#include "MainPage.h"
#include "screens/OverlayScreen.h"
#include "screens/OverlaySelection.h"
#include "screens/ScreenOverlays.h"

#include <QtTest>

namespace {
QByteArray desktopWithMagnifier(bool magnifier)
{
    return QByteArray(R"({"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080}],
                          "capabilities": {"magnifier": )") +
           (magnifier ? "true" : "false") + "}}";
}
} // namespace

class TestOverlayPages : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_fixture;
    std::unique_ptr<MainPage> m_page;

    App& app() { return m_fixture->app(); }
    QVariant js(const QString& script) { return m_page->js(script); }

    static QString control(const QString& setting)
    {
        return "#page-host [data-setting=\"" + setting + "\"]";
    }

    // Opening a settings page shows the advanced view, which takes the Advanced copies of the
    // values: `settings` go into both.
    void open_page(const QString& title, QVariantMap settings = {})
    {
        for (const QString& key : settings.keys())
            settings.insert("Advanced" + key, settings.value(key));
        settings.insert("UiScale", 1);
        settings.insert("KavoUpdateInterval", 10000000);
        settings.insert("IsFirstStart", false);
        m_fixture->start(settings);
        m_page = std::make_unique<MainPage>(app());
        m_page->open(title);
    }

private slots:
    void init() { m_fixture = std::make_unique<AppFixture>(desktopWithMagnifier(false)); }
    void cleanup()
    {
        m_page.reset();
        m_fixture.reset();
    }

    void aSliderShowsItsValueAndReachesItsSetter_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("advancedKey");
        QTest::newRow("day opacity") << "Screen overlay"
                                     << "day_opacity"
                                     << "DayOpacity"
                                     << "AdvancedDayOpacity";
        QTest::newRow("night opacity") << "Screen overlay"
                                       << "night_opacity"
                                       << "NightOpacity"
                                       << "AdvancedNightOpacity";
        QTest::newRow("day dim") << "Screen overlay"
                                 << "day_dim"
                                 << "DayDim"
                                 << "AdvancedDayDim";
        QTest::newRow("night dim") << "Screen overlay"
                                   << "night_dim"
                                   << "NightDim"
                                   << "AdvancedNightDim";
        QTest::newRow("spot radius") << "Lightness"
                                     << "lightness_screen_radius"
                                     << "LightnessScreenRadius"
                                     << "AdvancedLightnessScreenRadius";
        QTest::newRow("spot opacity") << "Lightness"
                                      << "lightness_screen_opacity"
                                      << "LightnessScreenOpacity"
                                      << "AdvancedLightnessScreenOpacity";
        QTest::newRow("spot across") << "Lightness"
                                     << "lightness_screen_x_position"
                                     << "LightnessScreenXPosition"
                                     << "AdvancedLightnessScreenXposition";
        QTest::newRow("spot down") << "Lightness"
                                   << "lightness_screen_y_position"
                                   << "LightnessScreenYPosition"
                                   << "AdvancedLightnessScreenYPosition";
    }

    void aSliderShowsItsValueAndReachesItsSetter()
    {
        QFETCH(QString, page);
        QFETCH(QString, setting);
        QFETCH(QString, key);
        QFETCH(QString, advancedKey);
        open_page(page, {{key, 63}, {advancedKey, 63}});
        QCOMPARE(js("document.querySelector('" + control(setting) + "').value").toString(),
                 QStringLiteral("63"));
        QCOMPARE(js("document.querySelector('" + control(setting) +
                    "').parentNode"
                    ".querySelector('output').textContent")
                     .toString(),
                 QStringLiteral("63 %"));
        m_page->drag(control(setting), 0.63, 0.0);
        QTRY_COMPARE(app().settings_map().value(key).toInt(), 0);
        QCOMPARE(app().settings_map().value(advancedKey).toInt(), 0);
    }

    void theColourChoiceRecolorsTheOverlay()
    {
        open_page("Screen overlay", {{"OverlayScreenColor", 3},
                                     {"UseOverlayScreen", true},
                                     {"UseManualColorSettings", true},
                                     {"NightOpacity", 40},
                                     {"UseManualBrightness", true},
                                     {"NightDim", 0}});
        QCOMPARE(js("document.querySelector('" + control("overlay_color") + "').value").toString(),
                 QStringLiteral("3"));
        js("(function () { const choice = document.querySelector('" + control("overlay_color") +
           "'); choice.value = '10'; choice.dispatchEvent(new Event('change')); })()");
        QCOMPARE(app().settings_map().value("OverlayScreenColor").toInt(), 10);
        const auto& overlays = app().screen_overlays()->overlay_screens();
        QCOMPARE(overlays.size(), 1);
        QTRY_COMPARE(overlays.first()->last_statement(),
                     QStringLiteral("set_background_color('rgba(255, 165, 0, 0.4)');"));
    }

    void theSwitchesShowAndHideTheWindows_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("key");
        QTest::newRow("overlay") << "Screen overlay"
                                 << "use_overlay_screen"
                                 << "UseOverlayScreen";
        QTest::newRow("lightness") << "Lightness"
                                   << "use_lightness_screen"
                                   << "UseLightnessScreen";
    }

    void theSwitchesShowAndHideTheWindows()
    {
        QFETCH(QString, page);
        QFETCH(QString, setting);
        QFETCH(QString, key);
        open_page(page);
        auto windows = [this, &key] {
            ScreenOverlays& overlays = *app().screen_overlays();
            return key == "UseOverlayScreen" ? overlays.overlay_screens().size()
                                             : overlays.lightness_screens().size();
        };
        QVERIFY(!js("document.querySelector('" + control(setting) + "').checked").toBool());
        QCOMPARE(windows(), 0);
        m_page->click(control(setting));
        QTRY_VERIFY(app().settings_map().value(key).toBool());
        QCOMPARE(windows(), 1);
        QVERIFY(app().settings_map().value("Advanced" + key).toBool());
        m_page->click(control(setting));
        QTRY_VERIFY(!app().settings_map().value(key).toBool());
        QCOMPARE(windows(), 0);
    }

    void theButtonsSelectAndResetTheArea()
    {
        open_page("Screen overlay", {{"UseOverlayScreen", true},
                                     {"OverlayScreenStartMousePosition", QPoint(500, 400)},
                                     {"OverlayScreenEndMousePosition", QPoint(200, 100)}});
        m_page->click("#page-host [data-call=select_overlay_screen_area]");
        QTRY_VERIFY(app().screen_overlays()->selection().is_selecting());
        m_page->click("#page-host [data-call=reset_selected_overlay_screen_area]");
        QTRY_VERIFY(!app().screen_overlays()->selection().is_selecting());
        QCOMPARE(app().settings_map().value("OverlayScreenStartMousePosition").toPoint(),
                 QPoint(0, 0));
        QCOMPARE(app().settings_map().value("OverlayScreenEndMousePosition").toPoint(),
                 QPoint(0, 0));
    }

    void theEffectsPageSaysWhenAnEffectShows_data()
    {
        QTest::addColumn<bool>("magnifier");
        QTest::addColumn<int>("effect");
        QTest::addColumn<bool>("live");
        QTest::newRow("inversion in the ramps") << false << 1 << true;
        QTest::newRow("grey scale while idle") << false << 2 << false;
        QTest::newRow("sepia while idle") << false << 14 << false;
        QTest::newRow("grey scale through a magnifier") << true << 2 << true;
    }

    void theEffectsPageSaysWhenAnEffectShows()
    {
        QFETCH(bool, magnifier);
        QFETCH(int, effect);
        QFETCH(bool, live);
        m_fixture.reset();
        m_fixture = std::make_unique<AppFixture>(desktopWithMagnifier(magnifier));
        open_page("Screen effects", {{"ColorEffect", effect}, {"UseColorEffects", true}});
        const QString shown = control("color_effect_shown");
        QTRY_VERIFY(
            !js("document.querySelector('" + shown + "').textContent").toString().isEmpty());
        QCOMPARE(js("document.querySelector('" + shown + "').classList.contains('live')").toBool(),
                 live);
        QCOMPARE(
            js("document.querySelector('" + shown + "').textContent").toString().contains("idle"),
            !live);
    }
};

QTEST_MAIN(TestOverlayPages)
#include "tst_overlay_pages.moc"
