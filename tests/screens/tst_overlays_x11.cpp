// The overlay family on a real X server (Xvfb with openbox) and a real Kavo. With a compositing
// manager (xcompmgr) the overlay darkens what lies beneath by its opacity and a click goes
// through it to the window beneath; without one its layer shows in the CRTC's gamma ramp.
// Without a magnifier "Simple inversion" inverts the ramp, and a grey scale shows as a picture
// of the screen after two idle seconds, gone at the next mouse move. And a Kavo in this process
// takes the mouse's buttons while an area is dragged out, and gives them back on Escape.
#include "App.h"
#include "OverlayDesktop.h"
#include "platform/x11/X11Platform.h"
#include "screens/OverlaySelection.h"
#include "screens/ScreenOverlays.h"
#include "settings/SaveManager.h"

#include <QtTest>

namespace {
constexpr int kWait = OverlayDesktop::kWait;

// Ramp levels as a fraction of the full level.
double level(quint16 entry)
{
    return entry / 65535.0;
}
} // namespace

class TestOverlaysX11 : public QObject
{
    Q_OBJECT

private slots:
    void theOverlayDarkensByItsOpacityAndLetsClicksThrough()
    {
        OverlayDesktop desktop;
        QVERIFY2(desktop.start(true, "white"), qPrintable(desktop.problem()));
        // Black (dimmed all the way) at 40 %: white shows at 60 %.
        desktop.launchKavo({{"UseOverlayScreen", true},
                            {"NightOpacity", 40},
                            {"NightDim", 100},
                            {"OverlayScreenColor", 9}});
        QTRY_VERIFY2_WITH_TIMEOUT(
            OverlayDesktop::near(desktop.pixel(desktop.centre()), QColor(153, 153, 153), 4),
            qPrintable(desktop.pixel(desktop.centre()).name() + "\n" + desktop.log()), kWait);
        QVERIFY(desktop.windowShown("OverlayScreen"));
        QVERIFY(!desktop.log().contains("No compositing manager"));

        const QString x = QString::number(desktop.centre().x());
        const QString y = QString::number(desktop.centre().y());
        desktop.xdotool({"mousemove", "--sync", x, y, "click", "1"});
        QTRY_COMPARE_WITH_TIMEOUT(desktop.presses(), 1, kWait);
        // The window clicked comes to the front; the overlay stays over it and never takes
        // the focus.
        QTRY_COMPARE_WITH_TIMEOUT(desktop.xdotool({"getactivewindow"}), desktop.windowId(), kWait);
        QTRY_VERIFY_WITH_TIMEOUT(
            OverlayDesktop::near(desktop.pixel(desktop.centre()), QColor(153, 153, 153), 4), kWait);
        QVERIFY(desktop.windowShown("OverlayScreen"));
    }

    void withoutACompositorTheRampCarriesTheLayer()
    {
        OverlayDesktop desktop;
        QVERIFY2(desktop.start(false, "white"), qPrintable(desktop.problem()));
        // Red at half opacity: black shows half red, white loses half its green and blue.
        desktop.launchKavo({{"UseOverlayScreen", true},
                            {"NightOpacity", 50},
                            {"NightDim", 0},
                            {"OverlayScreenColor", 9}});
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(level(desktop.crtcRamp().red[0]) - 0.5) < 0.02, kWait);
        const GammaRamp ramp = desktop.crtcRamp();
        QVERIFY(qAbs(level(ramp.green[255]) - 0.5) < 0.02);
        QVERIFY(qAbs(level(ramp.blue[255]) - 0.5) < 0.02);
        QVERIFY(level(ramp.red[255]) > 0.98);
        QVERIFY(level(ramp.green[0]) < 0.01);
        QCOMPARE(desktop.log().count("No compositing manager blends translucent windows"), 1);
        // No window to blend: the picture itself is untouched.
        QVERIFY(!desktop.windowShown("OverlayScreen"));
        QVERIFY(OverlayDesktop::near(desktop.pixel(desktop.centre()), Qt::white, 0));
    }

    void simpleInversionInvertsTheRamp()
    {
        OverlayDesktop desktop;
        QVERIFY2(desktop.start(false, "white"), qPrintable(desktop.problem()));
        desktop.launchKavo({{"UseColorEffects", true}, {"ColorEffect", 1}});
        QTRY_VERIFY_WITH_TIMEOUT(level(desktop.crtcRamp().red[0]) > 0.98, kWait);
        const GammaRamp ramp = desktop.crtcRamp();
        for (int channel = 0; channel < 3; ++channel) {
            QVERIFY(level(ramp.channel(channel)[0]) > 0.98);
            QVERIFY(level(ramp.channel(channel)[255]) < 0.02);
            QVERIFY(qAbs(level(ramp.channel(channel)[64]) - level(191 * 256)) < 0.01);
        }
        // Live: no picture of the screen stands in for it.
        QVERIFY(!desktop.windowShown("DummyScreenEffects"));
    }

    void aGreyScaleShowsWhileTheUserIsIdle()
    {
        OverlayDesktop desktop;
        QVERIFY2(desktop.start(false, "red"), qPrintable(desktop.problem()));
        desktop.launchKavo({{"UseColorEffects", true}, {"ColorEffect", 2}});
        // Red in grey: (11 x 255) / 32.
        const QColor grey(87, 87, 87);
        QTRY_VERIFY2_WITH_TIMEOUT(OverlayDesktop::near(desktop.pixel(desktop.centre()), grey, 2),
                                  qPrintable(desktop.log()), kWait);
        QVERIFY(desktop.windowShown("DummyScreenEffects"));
        // The ramps are left alone.
        QVERIFY(level(desktop.crtcRamp().red[255]) > 0.98);

        desktop.xdotool({"mousemove_relative", "--", "5", "5"});
        QTRY_VERIFY_WITH_TIMEOUT(OverlayDesktop::near(desktop.pixel(desktop.centre()), Qt::red, 2),
                                 kWait);
        // After two quiet seconds it is back.
        QTRY_VERIFY_WITH_TIMEOUT(OverlayDesktop::near(desktop.pixel(desktop.centre()), grey, 2),
                                 kWait);
    }

    void anAreaIsDraggedOutWithTheRealMouse()
    {
        OverlayDesktop desktop;
        QVERIFY2(desktop.start(true, "white"), qPrintable(desktop.problem()));
        desktop.writeSettings({{"UseOverlayScreen", true}});
        const QProcessEnvironment environment = desktop.kavoEnvironment();
        for (const char* name : {"KAVO_SETTINGS_DIR", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
            qputenv(name, environment.value(name).toUtf8());
        Platform::install(X11Platform::open());
        {
            SaveManager saveManager;
            App app;
            QCOMPARE(app.screen_overlays()->overlay_screens().size(), 1);
            OverlaySelection& selection = app.screen_overlays()->selection();
            const QString x = QString::number(desktop.centre().x());
            const QString y = QString::number(desktop.centre().y());

            // The press and the release are Kavo's: the window beneath sees neither.
            app.select_overlay_screen_area();
            QVERIFY(selection.is_selecting());
            desktop.xdotool({"mousemove", "--sync", x, y, "mousedown", "1"});
            desktop.xdotool({"mousemove", "--sync", "100", "80", "mouseup", "1"});
            const QPoint end(100, 80);
            QTRY_COMPARE_WITH_TIMEOUT(
                app.settings_map().value("OverlayScreenEndMousePosition").toPoint(), end, kWait);
            QCOMPARE(app.settings_map().value("OverlayScreenStartMousePosition").toPoint(),
                     desktop.centre());
            QVERIFY(!selection.is_selecting());
            QCOMPARE(desktop.presses(), 0);

            // Escape gives the buttons back: the next click reaches the window.
            app.select_overlay_screen_area();
            desktop.xdotool({"key", "Escape"});
            QTRY_VERIFY_WITH_TIMEOUT(!selection.is_selecting(), kWait);
            desktop.xdotool({"mousemove", "--sync", x, y, "click", "1"});
            QTRY_COMPARE_WITH_TIMEOUT(desktop.presses(), 1, kWait);
            QCOMPARE(app.settings_map().value("OverlayScreenEndMousePosition").toPoint(), end);
        }
        Platform::uninstall();
    }
};

QTEST_MAIN(TestOverlaysX11)
#include "tst_overlays_x11.moc"
