// Kavo's desktop services on a real X server (Xvfb with openbox): the window in front followed
// through the window manager, a colour pauser read back from the CRTC (also for a program whose
// window has no _NET_WM_PID), global shortcuts with and without Num Lock, a shortcut another
// client holds, raw input for inactivity, and the auto clicker's clicks reaching a window.
#include "App.h"
#include "XvfbServer.h"
#include "color/ColorRamp.h"
#include "platform/x11/X11Platform.h"
#include "settings/SaveManager.h"
#include "system/HotkeyProcessor.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <X11/Xlib.h>

#include <algorithm>

namespace {
constexpr int kWait = 20000;

QStringList runXdotool(const QStringList& arguments)
{
    QProcess xdotool;
    xdotool.start("xdotool", arguments);
    xdotool.waitForFinished(kWait);
    return QString::fromLatin1(xdotool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// A test window of its own process, named after its executable.
class TestWindowProcess
{
public:
    bool start(const QString& executable, const QString& title)
    {
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(executable, {title});
        if (!m_process.waitForStarted(kWait))
            return false;
        QElapsedTimer waited;
        waited.start();
        while (!m_process.canReadLine() && waited.elapsed() < kWait)
            m_process.waitForReadyRead(500);
        const QByteArray line = m_process.readLine().trimmed();
        m_id = QString::fromLatin1(line.mid(6));
        return line.startsWith("shown ");
    }
    ~TestWindowProcess()
    {
        m_process.kill();
        m_process.waitForFinished(kWait);
    }

    QString id() const { return m_id; }
    void command(const QByteArray& line) { m_process.write(line + '\n'); }
    // Mouse presses the window has seen so far.
    int presses()
    {
        m_output += m_process.readAllStandardOutput();
        return m_output.count("press");
    }

private:
    QProcess m_process;
    QString m_id;
    QByteArray m_output;
};
} // namespace

class TestDesktopX11 : public QObject
{
    Q_OBJECT

private:
    XvfbServer m_xvfb;
    QProcess m_openbox;
    QTemporaryDir m_dir;
    Display* m_otherClient = nullptr;
    TestWindowProcess m_painter;
    TestWindowProcess m_viewer;
    std::unique_ptr<SaveManager> m_saveManager;
    std::unique_ptr<App> m_app;

    // Whether the CRTC shows `temperature` and `brightness` (the CRTC keeps 16-bit levels
    // at its own precision: a level may come back one off).
    static bool crtcShows(int temperature, float brightness)
    {
        GammaRamp expected = ColorRamp::computingIdentity();
        if (temperature == 6500 && brightness == 1.0f)
            expected = GammaRamp::identity();
        else
            ColorRamp().apply(expected, RampSettings{temperature, 1, 1, 1, brightness});
        GammaRamp shown;
        Platform::current().displays().readRamp(0, shown);
        for (int channel = 0; channel < 3; ++channel) {
            for (int i = 0; i < GammaRamp::kSize; ++i) {
                if (qAbs(shown.channel(channel)[i] - expected.channel(channel)[i]) > 1)
                    return false;
            }
        }
        return true;
    }

    bool windowManagerRuns()
    {
        const Atom check = XInternAtom(m_otherClient, "_NET_SUPPORTING_WM_CHECK", False);
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(m_otherClient, DefaultRootWindow(m_otherClient), check, 0, 1, False,
                           AnyPropertyType, &type, &format, &count, &remaining, &data);
        if (data)
            XFree(data);
        return count == 1;
    }

    // The three temperatures, which the test starts all at 4000 K.
    int temperatureSum()
    {
        const SettingsMap& settings = m_app->settings_map();
        return settings.value("DayTemperature").toInt() +
               settings.value("NightTemperature").toInt() + settings.value("SleepLight").toInt();
    }

    void startKavo()
    {
        qputenv("KAVO_SETTINGS_DIR", m_dir.filePath("settings").toUtf8());
        qputenv("XDG_CONFIG_HOME", m_dir.filePath("config").toUtf8());
        qputenv("XDG_RUNTIME_DIR", m_dir.filePath("runtime").toUtf8());
        QDir().mkpath(m_dir.filePath("runtime"));
        QFile::setPermissions(m_dir.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSettings store(m_dir.filePath("settings/kavo_settings.ini"), QSettings::IniFormat);
        const QVariantMap settings{{"SaveVersion", "6"},
                                   {"IsFirstStart", false},
                                   {"OptimizeUiCreation", true},
                                   {"KavoUpdateInterval", 10000000},
                                   {"SmoothColorsUpdateInterval", 1},
                                   {"PauseTransitionDuration", 10},
                                   {"PreserveGamma", false},
                                   {"UseLowLevelColorApi", true},
                                   {"UseColorPausers", true},
                                   {"ColorPausers", "painter"},
                                   {"UseKeyboardShortcuts", true},
                                   {"UseMouseInactivity", true},
                                   {"TimerPaused", false},
                                   {"AdvancedView", true},
                                   {"DayTemperature", 4000},
                                   {"NightTemperature", 4000},
                                   {"SleepLight", 4000},
                                   {"DayBrightness", 80},
                                   {"NightBrightness", 80},
                                   {"SleepBrightness", 80},
                                   {"AdvancedDayTemperature", 4000},
                                   {"AdvancedNightTemperature", 4000},
                                   {"AdvancedSleepLight", 4000},
                                   {"AdvancedDayBrightness", 80},
                                   {"AdvancedNightBrightness", 80},
                                   {"AdvancedSleepBrightness", 80}};
        for (auto it = settings.begin(); it != settings.end(); ++it)
            store.setValue(it.key(), it.value());
        store.sync();
        m_saveManager = std::make_unique<SaveManager>();
        m_app = std::make_unique<App>();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_xvfb.start("1024x768x24"), "Xvfb is installed by scripts/install-deps.sh");
        qputenv("DISPLAY", m_xvfb.display().toLatin1());
        m_otherClient = XOpenDisplay(nullptr);
        QVERIFY(m_otherClient);
        // Openbox without key bindings of its own: its defaults hold Ctrl+Alt with the arrows.
        QFile config(m_dir.filePath("openbox.xml"));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("<?xml version=\"1.0\"?>\n<openbox_config xmlns=\"http://openbox.org/3.4/rc\">"
                     "<keyboard></keyboard></openbox_config>\n");
        config.close();
        m_openbox.start("openbox", {"--sm-disable", "--config-file", config.fileName()});
        QVERIFY2(m_openbox.waitForStarted(kWait),
                 "openbox is installed by scripts/install-deps.sh");
        QTRY_VERIFY_WITH_TIMEOUT(windowManagerRuns(), kWait);

        // Another client holds Ctrl+Alt+P before Kavo starts.
        XGrabKey(m_otherClient, XKeysymToKeycode(m_otherClient, XStringToKeysym("p")),
                 ControlMask | Mod1Mask, DefaultRootWindow(m_otherClient), False, GrabModeAsync,
                 GrabModeAsync);
        XSync(m_otherClient, False);

        // Two programs, each named after its executable.
        for (const char* name : {"painter", "viewer"})
            QVERIFY(QFile::copy(TEST_WINDOW_BINARY, m_dir.filePath(name)));
        QFile::setPermissions(m_dir.filePath("painter"), QFile::ReadOwner | QFile::ExeOwner);
        QFile::setPermissions(m_dir.filePath("viewer"), QFile::ReadOwner | QFile::ExeOwner);
        qputenv("QT_QPA_PLATFORM", "xcb");
        QVERIFY(m_viewer.start(m_dir.filePath("viewer"), "Viewer"));
        QVERIFY(m_painter.start(m_dir.filePath("painter"), "Painter"));
        qputenv("QT_QPA_PLATFORM", "offscreen");

        Platform::install(X11Platform::open());
        startKavo();
    }

    void cleanupTestCase()
    {
        m_app.reset();
        m_saveManager.reset();
        Platform::uninstall();
        m_openbox.terminate();
        m_openbox.waitForFinished(kWait);
        if (m_otherClient)
            XCloseDisplay(m_otherClient);
    }

    void theWindowInFrontIsFollowedAtOnce()
    {
        runXdotool({"windowactivate", "--sync", m_viewer.id()});
        QTRY_COMPARE_WITH_TIMEOUT(m_app->current_active_process(), QStringLiteral("viewer"), kWait);
        runXdotool({"windowactivate", "--sync", m_painter.id()});
        QTRY_COMPARE_WITH_TIMEOUT(m_app->current_active_process(), QStringLiteral("painter"),
                                  kWait);
        QCOMPARE(m_app->get_recent_processes().mid(m_app->get_recent_processes().size() - 2),
                 (QStringList{"viewer", "painter"}));
    }

    void aColourPauserPausesTheRampsAndReleasesThem()
    {
        // The painter shows: the ramps are neutral (the window in front plays no part).
        QTRY_VERIFY_WITH_TIMEOUT(crtcShows(6500, 1.0f), kWait);
        runXdotool({"windowactivate", "--sync", m_painter.id()});
        runXdotool({"windowminimize", "--sync", m_painter.id()});
        QTRY_VERIFY_WITH_TIMEOUT(crtcShows(4000, 0.8f), kWait);
        runXdotool({"windowactivate", "--sync", m_painter.id()});
        QTRY_VERIFY_WITH_TIMEOUT(crtcShows(6500, 1.0f), kWait);
    }

    void aFullScreenEntryPausesOnlyInFullScreen()
    {
        m_app->save_color_pausers("viewer fullscreen");
        runXdotool({"windowactivate", "--sync", m_viewer.id()});
        QTRY_VERIFY_WITH_TIMEOUT(crtcShows(4000, 0.8f), kWait);
        m_viewer.command("fullscreen");
        QTRY_VERIFY_WITH_TIMEOUT(crtcShows(6500, 1.0f), kWait);
        m_viewer.command("normal");
        QTRY_VERIFY_WITH_TIMEOUT(crtcShows(4000, 0.8f), kWait);
    }

    // Xt programs such as xmessage set no _NET_WM_PID: the X server still knows their process.
    void aWindowWithoutItsPidIsPausedByItsProgram()
    {
        QProcess message;
        message.start("xmessage", {"-title", "No pid here", "-geometry", "+400+300", "no pid"});
        QVERIFY2(message.waitForStarted(kWait), "xmessage comes with x11-utils");
        const QStringList found = runXdotool({"search", "--sync", "--name", "No pid here"});
        QVERIFY(!found.isEmpty());
        const Window window = found.last().toULong();
        const Atom pid = XInternAtom(m_otherClient, "_NET_WM_PID", False);
        XDeleteProperty(m_otherClient, window, pid);
        XSync(m_otherClient, False);
        int count = 0;
        Atom* properties = XListProperties(m_otherClient, window, &count);
        const bool hasPid = std::find(properties, properties + count, pid) != properties + count;
        if (properties)
            XFree(properties);
        QVERIFY(!hasPid);

        m_app->save_color_pausers("xmessage");
        runXdotool({"windowactivate", "--sync", m_viewer.id()});
        QTRY_VERIFY_WITH_TIMEOUT(crtcShows(4000, 0.8f), kWait);
        runXdotool({"windowactivate", "--sync", found.last()});
        QTRY_COMPARE_WITH_TIMEOUT(m_app->current_active_process(), QStringLiteral("xmessage"),
                                  kWait);
        QTRY_VERIFY_WITH_TIMEOUT(crtcShows(6500, 1.0f), kWait);
        message.kill();
        message.waitForFinished(kWait);
        runXdotool({"windowactivate", "--sync", m_viewer.id()});
        QTRY_VERIFY_WITH_TIMEOUT(crtcShows(4000, 0.8f), kWait);
    }

    void aShortcutStepsTheTemperatureWhateverNumLock()
    {
        QCOMPARE(temperatureSum(), 12000);
        runXdotool({"key", "ctrl+alt+Up"});
        QTRY_COMPARE_WITH_TIMEOUT(temperatureSum(), 12500, kWait);
        runXdotool({"key", "Num_Lock"});
        runXdotool({"key", "ctrl+alt+Up"});
        QTRY_COMPARE_WITH_TIMEOUT(temperatureSum(), 13000, kWait);
        runXdotool({"key", "Num_Lock"});
    }

    void aShortcutHeldByAnotherClientIsReported()
    {
        const QString problems = m_app->hotkey_processor()->registration_problems().join('\n');
        QVERIFY2(problems.contains("(Pause or resume Kavo): another program uses it"),
                 qPrintable(problems));
        QVERIFY(m_app->hotkey_processor()->registered_shortcuts().contains("Ctrl+Alt+Up"));
        QVERIFY(!m_app->hotkey_processor()->registered_shortcuts().contains("Ctrl+Alt+P"));
    }

    void rawMouseMovesCountAsActivity()
    {
        for (int tick = 0; tick <= 121 && !m_app->is_idle(); ++tick)
            QMetaObject::invokeMethod(m_app.get(), "update_idle_time");
        QVERIFY(m_app->is_idle());
        // A pointer warp is no movement of the mouse: a relative move is.
        runXdotool({"mousemove_relative", "5", "5"});
        QTRY_VERIFY_WITH_TIMEOUT(!m_app->is_idle(), kWait);
    }

    void theAutoClickerClicksReachAWindow()
    {
        runXdotool({"windowactivate", "--sync", m_viewer.id()});
        runXdotool({"mousemove", "--window", m_viewer.id(), "60", "60"});
        const int before = m_viewer.presses();
        m_app->mouse_click_interval_changed(50);
        m_app->start_mouse_clicking();
        QTRY_VERIFY_WITH_TIMEOUT(m_viewer.presses() >= before + 3, kWait);
        m_app->stop_mouse_clicking();
        QVERIFY(!m_app->is_auto_clicker_running());
    }

    void theSoftwareCursorIsRefusedWithAMessage()
    {
        QSignalSpy message(m_app.get(), &App::set_software_cursor_message);
        m_app->use_software_cursor_changed(true);
        QVERIFY(!m_app->settings_map().value("UseSoftwareCursor").toBool());
        QVERIFY(!message.last().at(0).toString().isEmpty());
    }
};

QTEST_MAIN(TestDesktopX11)
#include "tst_desktop_x11.moc"
