#include "XvfbServer.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// Kavo on a real X server (Xvfb): "kavo --show_ui" maps the main window at its size.
class TestMainWindowX11 : public QObject
{
    Q_OBJECT

private:
    XvfbServer m_xvfb;
    QString m_display;
    QTemporaryDir m_dir;

    // The visible windows titled "Kavo", as the X server lists them.
    QStringList visibleKavoWindows()
    {
        QProcess search;
        search.start("xdotool", {"search", "--onlyvisible", "--name", "^Kavo$"});
        search.waitForFinished(10000);
        return QString::fromLatin1(search.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }

    QProcessEnvironment kavoEnvironment(const QString& display)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("KAVO_PLATFORM");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DISPLAY", display);
        environment.insert("KAVO_SETTINGS_DIR", m_dir.filePath("settings"));
        environment.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
        environment.insert("XDG_DATA_HOME", m_dir.filePath("data"));
        environment.insert("XDG_RUNTIME_DIR", m_dir.path());
        return environment;
    }

    QSize windowSize(const QString& window)
    {
        QProcess geometry;
        geometry.start("xdotool", {"getwindowgeometry", "--shell", window});
        geometry.waitForFinished(10000);
        QSize size;
        for (const QString& line :
             QString::fromLatin1(geometry.readAllStandardOutput()).split('\n')) {
            if (line.startsWith("WIDTH="))
                size.setWidth(line.mid(6).toInt());
            if (line.startsWith("HEIGHT="))
                size.setHeight(line.mid(7).toInt());
        }
        return size;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_xvfb.start("1366x768x24"), "Xvfb is installed by scripts/install-deps.sh");
        m_display = m_xvfb.display();
        qputenv("DISPLAY", m_display.toLatin1());
    }

    void showUiMapsTheMainWindow()
    {
        QSettings(m_dir.filePath("settings/kavo_settings.ini"), QSettings::IniFormat)
            .setValue("SaveVersion", "6");
        QProcess kavo;
        kavo.setProcessEnvironment(kavoEnvironment(m_display));
        // Kavo's own lines show up in the test output when something goes wrong.
        kavo.setProcessChannelMode(QProcess::ForwardedChannels);
        kavo.start(KAVO_BINARY, {"--show_ui"});
        QVERIFY(kavo.waitForStarted(10000));

        QTRY_COMPARE_WITH_TIMEOUT(visibleKavoWindows().size(), 1, 20000);
        // 1366 x 768 is below both display-scale thresholds: the normal size.
        QTRY_COMPARE_WITH_TIMEOUT(windowSize(visibleKavoWindows().first()), QSize(520, 500), 10000);

        kavo.terminate();
        QVERIFY(kavo.waitForFinished(20000));
        QCOMPARE(kavo.exitCode(), 0);
    }

    // One line that names the display and the way to run without one, and status 1.
    void anUnreachableDisplayIsReported()
    {
        QProcess kavo;
        kavo.setProcessEnvironment(kavoEnvironment(":9753"));
        kavo.start(KAVO_BINARY, QStringList());
        QVERIFY(kavo.waitForFinished(20000));
        QCOMPARE(kavo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kavo.exitCode(), 1);
        const QByteArray error = kavo.readAllStandardError();
        QVERIFY2(error.contains("\":9753\"") && error.contains("KAVO_PLATFORM=sim") &&
                     error.count('\n') == 1 && error.endsWith('\n'),
                 error.constData());
        QVERIFY(kavo.readAllStandardOutput().isEmpty());
    }
};

QTEST_MAIN(TestMainWindowX11)
#include "tst_main_window_x11.moc"
