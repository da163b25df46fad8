// The overlay family on a real X server (Xvfb with openbox) and a real Kavo. With a compositing
// manager (xcompmgr) the overlay darkens what lies beneath by its opacity and a click goes
// through it to the window beneath; without one its layer shows in the CRTC's gamma ramp.
// Without a magnifier "Simple inversion" inverts the ramp, and a grey scale shows as a picture
// of the screen after two idle seconds, gone at the next mouse move. And a Kavo in this process
// takes the mouse's buttons while an area is dragged out, and gives them back on Escape.
#include "App.h"
#include "XvfbServer.h"
#include "platform/GammaRamp.h"
#include "platform/x11/X11Connection.h"
#include "platform/x11/X11Platform.h"
#include "screens/OverlaySelection.h"
#include "screens/ScreenOverlays.h"
#include "settings/SaveManager.h"

#include <QColor>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace {
constexpr int kWait = 60000;

// One X server with openbox (and xcompmgr when asked), a window of one colour, and Kavo.
class OverlayDesktop
{
public:
    ~OverlayDesktop()
    {
        for (QProcess* process : {m_kavo.get(), &m_window, &m_compositor, &m_openbox}) {
            if (process && process->state() != QProcess::NotRunning) {
                process->terminate();
                if (!process->waitForFinished(10000)) {
                    process->kill();
                    process->waitForFinished(10000);
                }
            }
        }
        m_ramps.reset();
        if (m_display)
            XCloseDisplay(m_display);
    }

    // Starts the desktop with a window filled with `colour`; false when a part does not come up.
    bool start(bool compositing, const QString& colour)
    {
        if (!m_xvfb.start(QStringLiteral("1024x768x24")))
            return fail("Xvfb does not start");
        m_environment = QProcessEnvironment::systemEnvironment();
        m_environment.insert("DISPLAY", m_xvfb.display());
        m_environment.insert("QT_QPA_PLATFORM", "xcb");
        m_environment.remove("KAVO_PLATFORM");
        m_environment.remove("DBUS_SESSION_BUS_ADDRESS");
        m_display = XOpenDisplay(qPrintable(m_xvfb.display()));
        qputenv("DISPLAY", m_xvfb.display().toLatin1());
        m_ramps = X11Connection::open();
        if (!m_display || !m_ramps)
            return fail("no connection to Xvfb");
        m_openbox.setProcessEnvironment(m_environment);
        m_openbox.start("openbox", {"--sm-disable"});
        if (!m_openbox.waitForStarted(kWait) || !waitFor([this] { return windowManagerRuns(); }))
            return fail("openbox does not run the desktop");
        if (compositing) {
            m_compositor.setProcessEnvironment(m_environment);
            m_compositor.start("xcompmgr", QStringList());
            if (!m_compositor.waitForStarted(kWait) ||
                !waitFor([this] { return compositorRuns(); }))
                return fail("xcompmgr does not start");
        }
        // Once openbox runs the desktop, so that the window is managed.
        m_window.setProcessEnvironment(m_environment);
        m_window.start(TEST_WINDOW_BINARY, {"Witness", colour});
        if (!m_window.waitForStarted(kWait) ||
            !waitFor([this] { return m_window.canReadLine() || m_window.waitForReadyRead(500); }))
            return fail("the test window does not show");
        m_windowId = QString::fromLatin1(m_window.readLine().trimmed().mid(6));
        // The window's middle once openbox has placed it and it is drawn.
        return waitFor([this, colour] {
                   m_centre = windowCentre();
                   return !m_centre.isNull() && near(pixel(m_centre), QColor(colour), 2);
               }) ||
               fail("the test window is not drawn");
    }

    // Kavo with `settings` over a neutral colour schedule.
    void launchKavo(const QVariantMap& settings)
    {
        writeSettings(settings);
        m_kavo = std::make_unique<QProcess>();
        m_kavo->setProcessEnvironment(kavoEnvironment());
        m_kavo->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_kavo->start(KAVO_BINARY, QStringList());
    }

    // What Kavo finds in its environment: its own folders on this desktop.
    QProcessEnvironment kavoEnvironment() const
    {
        QProcessEnvironment environment = m_environment;
        environment.insert("KAVO_SETTINGS_DIR", m_dir.filePath("settings"));
        environment.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
        environment.insert("XDG_DATA_HOME", m_dir.filePath("data"));
        environment.insert("XDG_RUNTIME_DIR", m_dir.path());
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return environment;
    }

    // The settings file Kavo starts with: `settings` over a neutral colour schedule.
    void writeSettings(const QVariantMap& settings) const
    {
        const QString folder = m_dir.filePath("settings");
        QSettings store(folder + "/kavo_settings.ini", QSettings::IniFormat);
        const QVariantMap neutral{{"SaveVersion", "6"},
                                  {"IsFirstStart", false},
                                  {"KavoType", 0},
                                  {"KavoMode", 2},
                                  {"UseManualColorSettings", true},
                                  {"UseManualBrightness", true},
                                  {"DayTemperature", 6500},
                                  {"NightTemperature", 6500},
                                  {"SleepLight", 6500},
                                  {"DayBrightness", 100},
                                  {"NightBrightness", 100},
                                  {"SleepBrightness", 100},
                                  {"UseSleepLight", false},
                                  {"PreserveGamma", false},
                                  {"TimerPaused", true},
                                  {"CheckForUpdates", false}};
        for (const QVariantMap& values : {neutral, settings}) {
            for (auto it = values.begin(); it != values.end(); ++it)
                store.setValue(it.key(), it.value());
        }
        store.sync();
    }

    // Kavo's log so far.
    QString log()
    {
        if (m_kavo)
            m_log += QString::fromLocal8Bit(m_kavo->readAllStandardOutput());
        return m_log;
    }

    QPoint centre() const { return m_centre; }
    // The test window's id, in decimal as xdotool writes it.
    QString windowId() const { return m_windowId; }

    // What the screen shows at `point` (the picture, before the gamma ramp).
    QColor pixel(const QPoint& point)
    {
        XImage* image = XGetImage(m_display, DefaultRootWindow(m_display), point.x(), point.y(), 1,
                                  1, AllPlanes, ZPixmap);
        if (!image)
            return {};
        const unsigned long value = XGetPixel(image, 0, 0);
        XDestroyImage(image);
        return QColor((value >> 16) & 0xff, (value >> 8) & 0xff, value & 0xff);
    }

    GammaRamp crtcRamp()
    {
        GammaRamp ramp;
        m_ramps->displays().readRamp(0, ramp);
        return ramp;
    }

    QString xdotool(const QStringList& arguments)
    {
        QProcess tool;
        tool.setProcessEnvironment(m_environment);
        tool.start("xdotool", arguments);
        tool.waitForFinished(kWait);
        return QString::fromLatin1(tool.readAllStandardOutput()).trimmed();
    }

    // Whether a window of that title is mapped.
    bool windowShown(const QString& title)
    {
        return !xdotool({"search", "--onlyvisible", "--name", "^" + title + "$"}).isEmpty();
    }

    // Mouse presses the test window has seen so far.
    int presses()
    {
        m_windowOutput += m_window.readAllStandardOutput();
        return m_windowOutput.count("press");
    }

    static bool near(const QColor& shown, const QColor& expected, int tolerance)
    {
        return shown.isValid() && qAbs(shown.red() - expected.red()) <= tolerance &&
               qAbs(shown.green() - expected.green()) <= tolerance &&
               qAbs(shown.blue() - expected.blue()) <= tolerance;
    }

    QString problem() const { return m_problem; }

private:
    bool fail(const QString& problem)
    {
        m_problem = problem;
        return false;
    }

    template <typename Condition> static bool waitFor(Condition condition)
    {
        QElapsedTimer waited;
        waited.start();
        while (!condition()) {
            if (waited.elapsed() > kWait)
                return false;
            QTest::qWait(50);
        }
        return true;
    }

    bool windowManagerRuns() { return selectionOwned("WM_S0"); }
    bool compositorRuns() { return selectionOwned("_NET_WM_CM_S0"); }

    bool selectionOwned(const char* name)
    {
        return XGetSelectionOwner(m_display, XInternAtom(m_display, name, False)) != None;
    }

    QPoint windowCentre()
    {
        int x = -1;
        int y = -1;
        int width = 0;
        int height = 0;
        for (const QString& line :
             xdotool({"getwindowgeometry", "--shell", m_windowId}).split('\n')) {
            const QString value = line.section('=', 1);
            if (line.startsWith("X="))
                x = value.toInt();
            else if (line.startsWith("Y="))
                y = value.toInt();
            else if (line.startsWith("WIDTH="))
                width = value.toInt();
            else if (line.startsWith("HEIGHT="))
                height = value.toInt();
        }
        if (x < 0 || y < 0 || width == 0 || height == 0)
            return {};
        return QPoint(x + width / 2, y + height / 2);
    }

    XvfbServer m_xvfb;
    QTemporaryDir m_dir;
    QProcessEnvironment m_environment;
    Display* m_display = nullptr;
    std::unique_ptr<X11Connection> m_ramps;
    QProcess m_openbox;
    QProcess m_compositor;
    QProcess m_window;
    QString m_windowId;
    QByteArray m_windowOutput;
    QPoint m_centre;
    std::unique_ptr<QProcess> m_kavo;
    QString m_log;
    QString m_problem;
};

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
