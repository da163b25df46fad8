#include "XvfbServer.h"
#include "platform/x11/X11Platform.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// Kavo in a real XEmbed tray: Xvfb with openbox and trayer. The icon appears, a double click
// on it opens the window, closing the window keeps Kavo in the tray, and later launches open
// the window again and switch the type.
class TestTrayX11 : public QObject
{
    Q_OBJECT

private:
    XvfbServer m_xvfb;
    QProcess m_openbox;
    QProcess m_trayer;
    QTemporaryDir m_dir;
    std::unique_ptr<X11Platform> m_observer; // reads the CRTC's ramp

    static QString run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(10000);
        return QString::fromLatin1(process.readAllStandardOutput());
    }

    // Windows titled "Kavo" with their size, as the X server lists them.
    static QList<QPair<QString, QSize>> kavoWindows(bool visibleOnly)
    {
        QStringList arguments{"search", "--name", "^Kavo$"};
        if (visibleOnly)
            arguments.insert(1, "--onlyvisible");
        QList<QPair<QString, QSize>> windows;
        for (const QString& window : run("xdotool", arguments).split('\n', Qt::SkipEmptyParts)) {
            QSize size;
            for (const QString& line :
                 run("xdotool", {"getwindowgeometry", "--shell", window}).split('\n')) {
                if (line.startsWith("WIDTH="))
                    size.setWidth(line.mid(6).toInt());
                if (line.startsWith("HEIGHT="))
                    size.setHeight(line.mid(7).toInt());
            }
            windows.append({window, size});
        }
        return windows;
    }

    // The icon Kavo embedded in trayer's panel.
    static QString trayIconWindow()
    {
        const QString tree = run("xwininfo", {"-root", "-tree"});
        const int panel = tree.indexOf("(\"panel\" \"trayer\")");
        if (panel < 0)
            return {};
        const QRegularExpression icon(
            "(0x[0-9a-f]+) \"Kavo\": \\(\"kavo\" \"Kavo\"\\)\\s+(\\d+)x(\\d+)");
        const QRegularExpressionMatch found = icon.match(tree, panel);
        return found.hasMatch() && found.captured(2).toInt() <= 64 ? found.captured(1) : QString();
    }

    static bool mainWindowShown()
    {
        for (const auto& window : kavoWindows(true)) {
            if (window.second == QSize(520, 500))
                return true;
        }
        return false;
    }

    // Without a session bus address none is used: Qt's tray icon takes the XEmbed tray.
    QProcessEnvironment kavoEnvironment(const QString& bus = QString()) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("KAVO_PLATFORM");
        environment.remove("DBUS_SESSION_BUS_ADDRESS");
        if (!bus.isEmpty())
            environment.insert("DBUS_SESSION_BUS_ADDRESS", bus);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DISPLAY", m_xvfb.display());
        environment.insert("KAVO_SETTINGS_DIR", m_dir.filePath("settings"));
        environment.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
        environment.insert("XDG_DATA_HOME", m_dir.filePath("data"));
        environment.insert("XDG_RUNTIME_DIR", m_dir.filePath("runtime"));
        return environment;
    }

    void launch(QProcess& kavo, const QStringList& arguments, const QString& bus = QString()) const
    {
        kavo.setProcessEnvironment(kavoEnvironment(bus));
        kavo.setProcessChannelMode(QProcess::ForwardedChannels);
        kavo.start(KAVO_BINARY, arguments);
    }

    void cast(const QString& spell) const
    {
        QProcess second;
        launch(second, {spell});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 0);
    }

    GammaRamp crtcRamp() const
    {
        GammaRamp ramp;
        m_observer->displays().readRamp(0, ramp);
        return ramp;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_xvfb.start("1280x800x24"), "Xvfb is installed by scripts/install-deps.sh");
        qputenv("DISPLAY", m_xvfb.display().toLatin1());
        m_openbox.start("openbox", QStringList());
        QVERIFY2(m_openbox.waitForStarted(10000),
                 "openbox is installed by scripts/install-deps.sh");
        m_trayer.start("trayer", {"--edge", "top", "--align", "right", "--widthtype", "pixel",
                                  "--width", "120", "--height", "24", "--SetDockType", "true"});
        QVERIFY2(m_trayer.waitForStarted(10000), "trayer is installed by scripts/install-deps.sh");
        QTRY_VERIFY_WITH_TIMEOUT(run("xwininfo", {"-root", "-tree"}).contains("\"panel\""), 20000);
        QDir().mkpath(m_dir.filePath("runtime"));
        QFile::setPermissions(m_dir.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_observer = X11Platform::open();
        QVERIFY(m_observer);
    }

    void cleanupTestCase()
    {
        m_observer.reset();
        m_trayer.terminate();
        m_trayer.waitForFinished(10000);
        m_openbox.terminate();
        m_openbox.waitForFinished(10000);
    }

    void kavoIsControlledFromTheTray()
    {
        {
            QSettings settings(m_dir.filePath("settings/kavo_settings.ini"), QSettings::IniFormat);
            settings.setValue("SaveVersion", "6");
            // Sunglasses keeps the colour neutral; Dark brings the warmer schedule back.
            settings.setValue("KavoType", 7);
            for (const char* key : {"DayTemperature", "NightTemperature", "SleepLight"})
                settings.setValue(key, 6500);
            settings.setValue("PreserveGamma", false);
        }
        QProcess kavo;
        launch(kavo, {});
        QVERIFY(kavo.waitForStarted(10000));

        QTRY_VERIFY_WITH_TIMEOUT(!trayIconWindow().isEmpty(), 30000);
        const QString icon = trayIconWindow();
        run("xdotool", {"mousemove", "--window", icon, "11", "11"});
        run("xdotool", {"click", "--repeat", "2", "--delay", "80", "1"});
        QTRY_VERIFY_WITH_TIMEOUT(mainWindowShown(), 30000);

        // Closing the window (the window manager's Alt+F4) keeps Kavo and its icon.
        // A loaded window manager may not have given the window the focus yet: try again.
        for (int attempt = 0; attempt < 6 && mainWindowShown(); ++attempt) {
            for (const auto& window : kavoWindows(true)) {
                if (window.second == QSize(520, 500))
                    run("xdotool", {"windowactivate", "--sync", window.first});
            }
            run("xdotool", {"key", "--clearmodifiers", "alt+F4"});
            if (QTest::qWaitFor([this] { return !mainWindowShown(); }, 5000))
                break;
        }
        QVERIFY(!mainWindowShown());
        QCOMPARE(kavo.state(), QProcess::Running);
        QVERIFY(!trayIconWindow().isEmpty());

        cast(QString());
        QTRY_VERIFY_WITH_TIMEOUT(mainWindowShown(), 30000);

        QTRY_VERIFY_WITH_TIMEOUT(crtcRamp().red.at(255) > 0, 30000);
        QCOMPARE(crtcRamp().blue.at(255), crtcRamp().red.at(255));
        cast("type dark");
        QTRY_VERIFY_WITH_TIMEOUT(crtcRamp().blue.at(255) < crtcRamp().red.at(255), 30000);

        kavo.terminate();
        QVERIFY(kavo.waitForFinished(20000));
        QCOMPARE(kavo.exitCode(), 0);
    }

    // Docks learn the progress from the LauncherEntry signal on the session bus. The timer
    // actions of the menu entry are an installed Kavo's (the desktop entry tests write them).
    void theDockEntryShowsProgress()
    {
        QProcess bus;
        bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY2(bus.waitForStarted(10000), "dbus-daemon is installed by scripts/install-deps.sh");
        QTRY_VERIFY_WITH_TIMEOUT(bus.canReadLine(), 20000);
        const QString address = QString::fromLatin1(bus.readLine()).trimmed();
        QProcess monitor;
        monitor.start(
            "dbus-monitor",
            {"--address", address, "type='signal',interface='com.canonical.Unity.LauncherEntry'"});
        QVERIFY(monitor.waitForStarted(10000));
        QByteArray seen;
        QTRY_VERIFY_WITH_TIMEOUT((seen += monitor.readAllStandardOutput()).contains("NameAcquired"),
                                 20000);

        QProcess kavo;
        launch(kavo, {}, address);
        QVERIFY(kavo.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT((seen += monitor.readAllStandardOutput())
                                     .contains("string \"application://com.velmora.Kavo.desktop\""),
                                 30000);
        QTRY_VERIFY_WITH_TIMEOUT(
            (seen += monitor.readAllStandardOutput()).contains("progress-visible"), 30000);

        // Kavo runs from its build folder: it writes no menu entry.
        QVERIFY(!QFile::exists(m_dir.filePath("data/applications/com.velmora.Kavo.desktop")));

        kavo.terminate();
        QVERIFY(kavo.waitForFinished(20000));
        monitor.terminate();
        monitor.waitForFinished(10000);
        bus.terminate();
        bus.waitForFinished(10000);
    }
};

QTEST_GUILESS_MAIN(TestTrayX11)
#include "tst_tray_x11.moc"
