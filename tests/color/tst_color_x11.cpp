#include "XvfbServer.h"
#include "color/CalibrationKeeper.h"
#include "color/ColorOutput.h"
#include "platform/x11/X11Platform.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Colours through XRandR on a real X server (Xvfb, which keeps a gamma ramp per CRTC).
class TestColorX11 : public QObject
{
    Q_OBJECT

private:
    XvfbServer m_xvfb;
    QTemporaryDir m_runtime; // where the colour output keeps its calibration record
    QString m_display;
    std::unique_ptr<X11Platform> m_observer; // a second connection that only reads

    GammaRamp crtcRamp() const
    {
        GammaRamp ramp;
        m_observer->displays().readRamp(0, ramp);
        return ramp;
    }

    // A calibration set from outside Kavo, as a colour profile loader would.
    void loadCalibration(const QString& gamma)
    {
        QProcess xrandr;
        xrandr.start("xrandr", {"--display", m_display, "--output", "screen", "--gamma", gamma});
        QVERIFY(xrandr.waitForFinished(10000));
        QCOMPARE(xrandr.exitCode(), 0);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_xvfb.start("1024x768x24"), "Xvfb is installed by scripts/install-deps.sh");
        m_display = m_xvfb.display();
        qputenv("DISPLAY", m_display.toLatin1());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
        m_observer = X11Platform::open();
        QVERIFY(m_observer);
        QCOMPARE(m_observer->displays().monitorCount(), 1);
    }

    void cleanupTestCase()
    {
        Platform::uninstall();
        m_observer.reset();
    }

    void colourIsReadBackFromTheCrtc()
    {
        loadCalibration("0.8:0.9:1.0");
        const GammaRamp calibration = crtcRamp();
        QVERIFY(calibration != GammaRamp::identity());

        Platform::install(X11Platform::open());
        QVariantMap settings{{"UseLowLevelColorApi", true}, {"PreserveGamma", true}};
        QList<int> ignored;
        {
            ColorOutput output(settings, ignored, {});
            output.start();
            QCOMPARE(output.apply_colors(RampSettings{3000, 1, 1, 1, 0.8f}, 0), 0);
            GammaRamp expected = calibration;
            ColorRamp().apply(expected, RampSettings{3000, 1, 1, 1, 0.8f});
            // The ramp is sent without waiting for the X server: it shows once the server took it.
            QTRY_COMPARE(crtcRamp(), expected);
        }
        // Closing the platform gives the CRTC back exactly what it had.
        Platform::uninstall();
        QCOMPARE(crtcRamp(), calibration);
    }

    void terminatedKavoLeavesTheCalibration()
    {
        loadCalibration("1.2:1.0:0.7");
        const GammaRamp calibration = crtcRamp();

        QTemporaryDir home;
        QDir().mkpath(home.filePath("settings"));
        QDir().mkpath(home.filePath("runtime"));
        QFile::setPermissions(home.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile settingsFile(home.filePath("settings/kavo_settings.ini"));
        QVERIFY(settingsFile.open(QIODevice::WriteOnly));
        // Without preservation Kavo resets the ramps as it starts and then shows the schedule's
        // colours: changes to undo at the end.
        settingsFile.write("[General]\nSaveVersion=6\nPreserveGamma=false\nIsFirstStart=false\n");
        settingsFile.close();

        QProcess kavo;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("KAVO_PLATFORM", "x11");
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("DISPLAY", m_display);
        environment.insert("KAVO_SETTINGS_DIR", home.filePath("settings"));
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        environment.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
        kavo.setProcessEnvironment(environment);
        kavo.start(QStringLiteral(KAVO_BINARY), QStringList());
        QVERIFY(kavo.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(crtcRamp() != calibration, 20000);

        kavo.terminate();
        QVERIFY(kavo.waitForFinished(20000));
        QCOMPARE(kavo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(crtcRamp(), calibration);
    }

    // kavoctl apply leaves its colours and the marker as a crash does; this test has no
    // guardian beside it to put the calibration back before Kavo's first write.
    void aStartAfterACrashWithoutGuardianEndsOnTheCalibration()
    {
        loadCalibration("0.9:1.0:1.1");
        const GammaRamp calibration = crtcRamp();
        QProcess apply;
        apply.start(KAVOCTL_BINARY, {"apply", "--temperature", "2500", "--brightness", "70"});
        QVERIFY(apply.waitForFinished(20000));
        QCOMPARE(apply.exitCode(), 0);
        QVERIFY(crtcRamp() != calibration);

        // The record and the marker kavoctl left are Kavo's.
        const QString name = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName("Kavo");
        QCoreApplication::setOrganizationName("Velmora");
        Platform::install(X11Platform::open());
        QVariantMap settings{{"UseLowLevelColorApi", true}, {"PreserveGamma", true}};
        QList<int> ignored;
        {
            ColorOutput output(settings, ignored, {});
            output.start();
            QCOMPARE(output.apply_colors(RampSettings{4000, 1, 1, 1, 0.9f}, 0), 0);
            output.shut_down();
        }
        QCoreApplication::setApplicationName(name);
        QCoreApplication::setOrganizationName(QString());
        Platform::uninstall();
        // The record went through 256 entries: back within a unit or two of resampling.
        QVERIFY(CalibrationKeeper::is_same_calibration(crtcRamp(), calibration));
    }
};

QTEST_GUILESS_MAIN(TestColorX11)
#include "tst_color_x11.moc"
