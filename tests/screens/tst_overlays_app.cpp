// The overlay family on the simulated desktop, driven through the controller's slots: which
// windows exist for the monitors, what their pages are told, the area selection with the mouse,
// the overlay without a compositing manager, and the colour effects the desktop cannot show
// through a magnifier.
#include "AppFixture.h"
#include "KavoLogBuffer.h"
#include "color/ColorOutput.h"
#include "color/SoftwareColorEffects.h"
#include "screens/DummyScreenEffects.h"
#include "screens/LightnessScreen.h"
#include "screens/OverlayScreen.h"
#include "screens/ScreenOverlays.h"

#include "platform/IOverlays.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QWebFrame>
#include <QWebView>
#include <QtTest>

namespace {
const int kWait = 20000;

QJsonObject monitor(int x, int width)
{
    return QJsonObject{{"x", x}, {"y", 0}, {"width", width}, {"height", 1080}};
}

// Night on the clock schedule all day: the manual colour settings force it.
QVariantMap overlaySettings(QVariantMap extra = {})
{
    QVariantMap settings{{"UseOverlayScreen", true},
                         {"UseManualColorSettings", true},
                         {"UseManualBrightness", true},
                         {"DayOpacity", 0},
                         {"NightOpacity", 40},
                         {"DayDim", 0},
                         {"NightDim", 0},
                         {"KavoUpdateInterval", 10000000},
                         {"SmoothColorsUpdateInterval", 1},
                         {"PauseTransitionDuration", 1},
                         {"IsFirstStart", false}};
    for (auto it = extra.begin(); it != extra.end(); ++it)
        settings.insert(it.key(), it.value());
    return settings;
}
// What a window's page runs `script` to.
QVariant inPage(QWidget* window, const QString& script)
{
    auto* view = window->findChild<QWebView*>();
    return view ? view->page()->mainFrame()->evaluateJavaScript(script) : QVariant();
}

// The blocks of an overlay's page: "left top width height colour" each.
QStringList blocks(QWidget* overlay)
{
    return inPage(overlay, "Array.from(document.querySelectorAll('.block')).map(function (b) {"
                           " return [b.offsetLeft, b.offsetTop, b.offsetWidth, b.offsetHeight,"
                           " getComputedStyle(b).backgroundColor].join(' '); })")
        .toStringList();
}

bool hook(AppFixture& fixture, const char* name)
{
    return fixture.desktop().state().value("hooks").toObject().value(name).toBool();
}

// Every statement a window's page runs, in order.
class StatementSpy : public QObject
{
public:
    explicit StatementSpy(QWidget* window) { window->installEventFilter(this); }
    QStringList statements;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::DynamicPropertyChange &&
            static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() ==
                kOverlayStatementProperty)
            statements << watched->property(kOverlayStatementProperty).toString();
        return false;
    }
};
} // namespace

class TestOverlaysApp : public QObject
{
    Q_OBJECT

private:
    QJsonObject m_config;
    QJsonArray m_input;

    QByteArray desktop(QJsonObject extra = {})
    {
        m_config = QJsonObject{{"monitors", QJsonArray{monitor(0, 1920), monitor(1920, 1920)}}};
        for (auto it = extra.begin(); it != extra.end(); ++it)
            m_config.insert(it.key(), it.value());
        return QJsonDocument(m_config).toJson();
    }

    void inject(AppFixture& fixture, const QJsonObject& entry)
    {
        m_input.append(entry);
        m_config.insert("input", m_input);
        fixture.set_desktop(QJsonDocument(m_config).toJson());
        QTest::qWait(0);
    }

    static ScreenOverlays& overlays(AppFixture& fixture)
    {
        return *fixture.app().screen_overlays();
    }

    static OverlayScreen* loadedOverlay(AppFixture& fixture)
    {
        const auto& list = overlays(fixture).overlay_screens();
        if (list.size() != 1)
            return nullptr;
        QElapsedTimer waited;
        waited.start();
        while (!list.first()->is_loaded() && waited.elapsed() < kWait)
            QTest::qWait(10);
        return list.first()->is_loaded() ? list.first() : nullptr;
    }

    static QJsonArray windowsOf(AppFixture& fixture, const QString& windowClass)
    {
        QJsonArray found;
        for (const QJsonValue& window : fixture.desktop().state().value("windows").toArray()) {
            if (window["class"].toString() == windowClass)
                found.append(window);
        }
        return found;
    }

private slots:
    void init() { m_input = QJsonArray(); }

    void windowsForTheMonitors_data()
    {
        QTest::addColumn<QString>("ignored");
        QTest::addColumn<QVector<int>>("expectedOverlays");
        QTest::addColumn<QVector<int>>("expectedLightness");
        QTest::newRow("none excluded") << "" << QVector<int>{-1} << QVector<int>{0, 1};
        QTest::newRow("second excluded") << "2" << QVector<int>{0} << QVector<int>{0};
        QTest::newRow("first excluded") << "1" << QVector<int>{1} << QVector<int>{1};
    }

    void windowsForTheMonitors()
    {
        QFETCH(QString, ignored);
        AppFixture fixture(desktop());
        fixture.start(overlaySettings({{"IgnoreMonitors", ignored}, {"UseLightnessScreen", true}}));
        QVector<int> overlayMonitors;
        for (OverlayScreen* overlay : overlays(fixture).overlay_screens())
            overlayMonitors << overlay->monitor_index();
        QVector<int> lightnessMonitors;
        for (LightnessScreen* screen : overlays(fixture).lightness_screens())
            lightnessMonitors << screen->monitor_index();
        QFETCH(QVector<int>, expectedOverlays);
        QFETCH(QVector<int>, expectedLightness);
        QCOMPARE(overlayMonitors, expectedOverlays);
        QCOMPARE(lightnessMonitors, expectedLightness);

        // The desktop lists them as click-through windows on top.
        QTRY_COMPARE_WITH_TIMEOUT(windowsOf(fixture, "OverlayScreen").size(),
                                  overlayMonitors.size(), kWait);
        const QJsonObject window = windowsOf(fixture, "OverlayScreen").first().toObject();
        QVERIFY(window["click_through"].toBool());
        QVERIFY(window["on_top"].toBool());
    }

    void monitorChangesLeaveNoDuplicates()
    {
        AppFixture fixture(desktop());
        fixture.start(overlaySettings({{"UseLightnessScreen", true}}));
        QCOMPARE(overlays(fixture).overlay_screens().size(), 1);
        QCOMPARE(overlays(fixture).overlay_screens().first()->geometry(), QRect(0, 0, 3840, 1080));
        QMetaObject::invokeMethod(&fixture.app(), "update_ui");
        QCOMPARE(overlays(fixture).overlay_screens().size(), 1);

        fixture.set_desktop(desktop({{"monitors", QJsonArray{monitor(0, 1920)}}}));
        QMetaObject::invokeMethod(&fixture.app(), "update_ui");
        QMetaObject::invokeMethod(&fixture.app(), "update_ui");
        QCOMPARE(overlays(fixture).overlay_screens().size(), 1);
        QCOMPARE(overlays(fixture).overlay_screens().first()->geometry(), QRect(0, 0, 1920, 1080));
        QCOMPARE(overlays(fixture).lightness_screens().size(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(windowsOf(fixture, "OverlayScreen").size(), 1, kWait);

        // Paused: no overlay; back: one again.
        fixture.app().pause_kavo(true);
        QVERIFY(overlays(fixture).overlay_screens().isEmpty());
        fixture.app().pause_kavo(false);
        QCOMPARE(overlays(fixture).overlay_screens().size(), 1);
    }

    void aPluggedMonitorGetsItsOwnOverlayOnce()
    {
        // The second monitor is excluded: one overlay per included monitor.
        AppFixture fixture(desktop());
        fixture.start(overlaySettings({{"IgnoreMonitors", "2"}}));
        auto monitors = [&fixture] {
            QVector<int> indexes;
            for (OverlayScreen* overlay : overlays(fixture).overlay_screens())
                indexes << overlay->monitor_index();
            return indexes;
        };
        QCOMPARE(monitors(), QVector<int>{0});

        fixture.set_desktop(desktop({{"monitors", QJsonArray{monitor(0, 1920), monitor(1920, 1920),
                                                             monitor(3840, 1280)}}}));
        QMetaObject::invokeMethod(&fixture.app(), "update_ui");
        QMetaObject::invokeMethod(&fixture.app(), "update_ui");
        QCOMPARE(monitors(), (QVector<int>{0, 2}));
        QCOMPARE(overlays(fixture).overlay_screens().last()->geometry(),
                 QRect(3840, 0, 1280, 1080));
        QTRY_COMPARE_WITH_TIMEOUT(windowsOf(fixture, "OverlayScreen").size(), 2, kWait);

        fixture.set_desktop(desktop());
        QMetaObject::invokeMethod(&fixture.app(), "update_ui");
        QCOMPARE(monitors(), QVector<int>{0});
        QTRY_COMPARE_WITH_TIMEOUT(windowsOf(fixture, "OverlayScreen").size(), 1, kWait);
    }

    void theWindowsFollowTheDesktop()
    {
        AppFixture fixture(desktop());
        fixture.start(overlaySettings({{"UseLightnessScreen", true}}));
        QCOMPARE(overlays(fixture).overlay_screens().first()->geometry(), QRect(0, 0, 3840, 1080));

        // As many monitors as before, in other places.
        fixture.set_desktop(
            desktop({{"monitors", QJsonArray{monitor(0, 2560), monitor(2560, 1920)}}}));
        QTRY_COMPARE_WITH_TIMEOUT(overlays(fixture).overlay_screens().first()->geometry(),
                                  QRect(0, 0, 4480, 1080), kWait);
        QCOMPARE(overlays(fixture).lightness_screens().last()->geometry(),
                 QRect(2560, 0, 1920, 1080));

        // The compositing manager stops: no window may stay to be drawn opaque.
        fixture.set_desktop(desktop({{"compositing", false}}));
        QTRY_VERIFY_WITH_TIMEOUT(overlays(fixture).is_gamma_layer_on(), kWait);
        QVERIFY(overlays(fixture).overlay_screens().isEmpty());
        QVERIFY(overlays(fixture).lightness_screens().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(windowsOf(fixture, "OverlayScreen").isEmpty(), kWait);

        // And starts again: the windows come back.
        fixture.set_desktop(desktop());
        QTRY_COMPARE_WITH_TIMEOUT(overlays(fixture).overlay_screens().size(), 1, kWait);
        QVERIFY(!overlays(fixture).is_gamma_layer_on());
        QCOMPARE(overlays(fixture).lightness_screens().size(), 2);
    }

    void settersPushTheColour_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("statement");
        QTest::newRow("night opacity")
            << "night_opacity_changed" << 60 << "set_background_color('rgba(255, 0, 0, 0.6)');";
        QTest::newRow("night dim")
            << "night_dim_changed" << 50 << "set_background_color('rgba(127, 0, 0, 0.4)');";
        QTest::newRow("colour") << "overlay_color_changed" << 3
                                << "set_background_color('rgba(0, 0, 255, 0.4)');";
        QTest::newRow("day opacity (not in force)")
            << "day_opacity_changed" << 70 << "set_background_color('rgba(255, 0, 0, 0.4)');";
    }

    void settersPushTheColour()
    {
        QFETCH(QString, slot);
        QFETCH(int, value);
        AppFixture fixture(desktop());
        fixture.start(overlaySettings());
        OverlayScreen* overlay = loadedOverlay(fixture);
        QVERIFY(overlay);
        QCOMPARE(overlay->last_statement(),
                 QStringLiteral("set_background_color('rgba(255, 0, 0, 0.4)');"));
        QVERIFY(QMetaObject::invokeMethod(&fixture.app(), slot.toLatin1().constData(),
                                          Q_ARG(int, value)));
        QFETCH(QString, statement);
        QCOMPARE(overlay->last_statement(), statement);
        QTRY_COMPARE_WITH_TIMEOUT(
            windowsOf(fixture, "OverlayScreen").first()["page_statement"].toString(), statement,
            kWait);
    }

    void aStoredColourThatIsTextIsRefused()
    {
        QSignalSpy log(&KavoLogBuffer::instance(), &KavoLogBuffer::line_logged);
        AppFixture fixture(desktop());
        fixture.start(overlaySettings({{"OverlayScreenColor", "red'); x('"}}));
        QCOMPARE(fixture.app().settings_map().value("OverlayScreenColor"), QVariant(9));
        QStringList lines;
        for (const QList<QVariant>& line : qAsConst(log))
            lines << line.first().toString();
        QVERIFY(!lines.filter("OverlayScreenColor is not a whole number").isEmpty());
        OverlayScreen* overlay = loadedOverlay(fixture);
        QVERIFY(overlay);
        QCOMPARE(overlay->last_statement(),
                 QStringLiteral("set_background_color('rgba(255, 0, 0, 0.4)');"));

        // Text that reaches the map some other way is refused too.
        fixture.app().settings_map().insert("OverlayScreenColor", "red'); x('");
        fixture.app().recreate_overlay_screen();
        overlay = loadedOverlay(fixture);
        QVERIFY(overlay);
        QCOMPARE(overlay->last_statement(),
                 QStringLiteral("set_background_color('rgba(255, 0, 0, 0.4)');"));
    }

    void theMouseSelectsTheClearArea()
    {
        AppFixture fixture(desktop());
        fixture.start(overlaySettings());
        OverlayScreen* overlay = loadedOverlay(fixture);
        QVERIFY(overlay);
        StatementSpy spy(overlay);
        fixture.app().select_overlay_screen_area();
        QVERIFY(hook(fixture, "pointer_grabbed"));
        inject(fixture, {{"press", QJsonArray{500, 400}}});
        inject(fixture, {{"move", QJsonArray{300, 250}}});
        // The drag is previewed, at most ten times a second.
        QTRY_VERIFY_WITH_TIMEOUT(spy.statements.contains("createDiv(300, 250, 200, 150);"), kWait);
        inject(fixture, {{"release", QJsonArray{200, 100}}});
        QVERIFY(spy.statements.contains("createDiv(200, 100, 300, 300);"));
        QCOMPARE(spy.statements.last(),
                 QStringLiteral("set_background_color('rgba(255, 0, 0, 0.4)');"));
        QCOMPARE(fixture.app().settings_map().value("OverlayScreenStartMousePosition").toPoint(),
                 QPoint(500, 400));
        QCOMPARE(fixture.app().settings_map().value("OverlayScreenEndMousePosition").toPoint(),
                 QPoint(200, 100));
        QVERIFY(!hook(fixture, "pointer_grabbed"));
        QVERIFY(!hook(fixture, "mouse"));
        // The page covers everything around the area.
        const QString red = QStringLiteral(" rgba(255, 0, 0, 0.4)");
        QCOMPARE(blocks(overlay), (QStringList{"0 0 3840 100" + red, "0 400 3840 680" + red,
                                               "0 100 200 300" + red, "500 100 3340 300" + red}));

        // A click without a drag selects nothing.
        spy.statements.clear();
        fixture.app().select_overlay_screen_area();
        inject(fixture, {{"click", QJsonArray{700, 700}}});
        QCOMPARE(fixture.app().settings_map().value("OverlayScreenEndMousePosition").toPoint(),
                 QPoint(200, 100));

        // A new overlay draws the stored area again; the reset covers everything.
        fixture.app().recreate_overlay_screen();
        overlay = loadedOverlay(fixture);
        QVERIFY(overlay);
        StatementSpy reset(overlay);
        fixture.app().reset_selected_overlay_screen_area();
        QCOMPARE(reset.statements.first(), QStringLiteral("reset_area();"));
        QCOMPARE(blocks(overlay), QStringList{"0 0 3840 1080" + red});
        QCOMPARE(fixture.app().settings_map().value("OverlayScreenStartMousePosition").toPoint(),
                 QPoint(0, 0));
    }

    void escapeCancelsTheSelection()
    {
        AppFixture fixture(desktop());
        fixture.start(overlaySettings());
        QVERIFY(loadedOverlay(fixture));
        fixture.app().select_overlay_screen_area();
        inject(fixture, {{"press", QJsonArray{500, 400}}});
        QVERIFY(overlays(fixture).overlay_screens().first()->last_statement().startsWith(
            "set_background_color"));
        inject(fixture, {{"key", "Escape"}});
        QVERIFY(!hook(fixture, "pointer_grabbed"));
        inject(fixture, {{"release", QJsonArray{200, 100}}});
        QCOMPARE(fixture.app().settings_map().value("OverlayScreenStartMousePosition").toPoint(),
                 QPoint(0, 0));
    }

    void lightnessSpotFollowsItsSettings()
    {
        AppFixture fixture(desktop());
        fixture.start(overlaySettings({{"UseOverlayScreen", false}}));
        fixture.app().kavo_type_changed(8); // Dark
        QCOMPARE(overlays(fixture).lightness_screens().size(), 2);
        LightnessScreen* screen = overlays(fixture).lightness_screens().first();
        QTRY_VERIFY_WITH_TIMEOUT(screen->is_loaded(), kWait);
        QCOMPARE(screen->last_statement(), QStringLiteral("set_box_shadow(50, 50, 30, 30);"));
        fixture.app().lightness_screen_radius_changed(45);
        QCOMPARE(screen->last_statement(), QStringLiteral("set_box_shadow(50, 50, 30, 45);"));
        // A spot of 45 % of the monitor's height in its middle; around it 30 % black (the
        // engine keeps alpha in 255ths).
        QCOMPARE(inPage(screen, "(function () { const spot = document.getElementById('spot');"
                                " return [spot.offsetLeft, spot.offsetTop, spot.offsetWidth]"
                                ".join(' ') + ' ' + spot.style.boxShadow; })()")
                     .toString(),
                 QStringLiteral("717 297 486 rgba(0, 0, 0, 0.298039) 0px 0px 243px 3840px"));
        QCOMPARE(fixture.app().settings_map().value("AdvancedLightnessScreenRadius").toInt(), 45);
        fixture.app().lightness_screen_x_position_changed(20);
        QCOMPARE(fixture.app().settings_map().value("AdvancedLightnessScreenXposition").toInt(),
                 20);

        fixture.app().kavo_type_changed(1); // Health
        QVERIFY(overlays(fixture).lightness_screens().isEmpty());
    }

    void withoutCompositingTheRampsCarryTheOverlay()
    {
        AppFixture fixture(desktop({{"compositing", false}}));
        fixture.start(overlaySettings(
            {{"NightOpacity", 50}, {"OverlayScreenColor", 1}, {"UseLightnessScreen", true}}));
        QVERIFY(overlays(fixture).overlay_screens().isEmpty());
        QVERIFY(overlays(fixture).lightness_screens().isEmpty());
        QVERIFY(overlays(fixture).is_gamma_layer_on());
        fixture.app().update_gamma();
        QTRY_VERIFY_WITH_TIMEOUT(
            fixture.app().update_gamma() >= 0 && fixture.ramp(1, "green")[0] > 0, kWait);
        // A green layer at half opacity: black shows half green, red is halved at the top.
        QTRY_VERIFY_WITH_TIMEOUT(fixture.ramp(1, "green")[0] > 60 * 256, kWait);
        QVERIFY(fixture.ramp(1, "red")[255] < 140 * 256);

        fixture.app().use_overlay_screen_changed(false);
        QVERIFY(!overlays(fixture).is_gamma_layer_on());
        QTRY_VERIFY_WITH_TIMEOUT(
            fixture.app().update_gamma() >= 0 && fixture.ramp(1, "green")[0] == 0, kWait);
    }

    void oneCurveEffectsGoIntoTheRamps()
    {
        AppFixture fixture(desktop());
        fixture.start(overlaySettings(
            {{"UseOverlayScreen", false}, {"UseColorEffects", true}, {"ColorEffect", 1}}));
        fixture.app().update_gamma();
        QTRY_VERIFY_WITH_TIMEOUT(fixture.app().update_gamma() >= 0 &&
                                     fixture.ramp(1, "red")[0] > fixture.ramp(1, "red")[255],
                                 kWait);
        // Simple inversion: black comes out bright, white dark.
        QTRY_VERIFY_WITH_TIMEOUT(fixture.ramp(1, "red")[0] > fixture.ramp(1, "red")[255], kWait);
        QVERIFY(fixture.app().is_color_effect_live(1));
        QVERIFY(!fixture.app().is_color_effect_live(2));
        fixture.app().use_color_effects_changed(false);
        QTRY_VERIFY_WITH_TIMEOUT(fixture.app().update_gamma() >= 0 &&
                                     fixture.ramp(1, "red")[0] < fixture.ramp(1, "red")[255],
                                 kWait);
    }

    void greyScaleShowsWhileIdle()
    {
        QTemporaryDir dir;
        QImage screen(1920, 1080, QImage::Format_RGB32);
        screen.fill(QColor(255, 0, 0));
        const QString image = dir.filePath("screen.png");
        QVERIFY(screen.save(image));
        AppFixture fixture(desktop({{"screen_image", image}}));
        fixture.start(overlaySettings(
            {{"UseOverlayScreen", false}, {"UseColorEffects", true}, {"ColorEffect", 2}}));
        fixture.app().update_gamma();
        QTRY_VERIFY_WITH_TIMEOUT(
            fixture.app().update_gamma() >= 0 &&
                dynamic_cast<SoftwareColorEffects*>(fixture.app().color_output()->effects())
                    ->window(),
            kWait);
        auto* effects =
            dynamic_cast<SoftwareColorEffects*>(fixture.app().color_output()->effects());
        QVERIFY(effects);
        QVERIFY(effects->window());
        DummyScreenEffects& window = *effects->window();
        QTRY_VERIFY_WITH_TIMEOUT(window.is_showing_picture(), kWait);
        QCOMPARE(QColor(window.screenshot().toImage().pixel(10, 10)), QColor(87, 87, 87));
        QTRY_COMPARE_WITH_TIMEOUT(windowsOf(fixture, "DummyScreenEffects").size(), 1, kWait);

        inject(fixture, {{"move", QJsonArray{10, 10}}});
        QVERIFY(!window.is_showing_picture());
        QVERIFY(!window.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(window.is_showing_picture(), kWait);

        fixture.app().use_color_effects_changed(false);
        QVERIFY(!window.is_showing_picture());
        QVERIFY(!hook(fixture, "mouse"));
    }
};

QTEST_MAIN(TestOverlaysApp)
#include "tst_overlays_app.moc"
