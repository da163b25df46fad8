#include "XvfbServer.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// "kavo --show_ui" on a real X server (Xvfb): the main window is mapped at its size.
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
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("KAVO_PLATFORM");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DISPLAY", m_display);
        environment.insert("KAVO_SETTINGS_DIR", m_dir.filePath("settings"));
        environment.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", m_dir.path());
        QProcess kavo;
        kavo.setProcessEnvironment(environment);
        kavo.start(KAVO_BINARY, {"--show_ui"});
        QVERIFY(kavo.waitForStarted(10000));

        QTRY_COMPARE_WITH_TIMEOUT(visibleKavoWindows().size(), 1, 20000);
        // 1366 x 768 is below both display-scale thresholds: the normal size.
        QTRY_COMPARE_WITH_TIMEOUT(windowSize(visibleKavoWindows().first()), QSize(520, 500), 10000);

        kavo.terminate();
        QVERIFY(kavo.waitForFinished(20000));
        QCOMPARE(kavo.exitCode(), 0);
    }
};

QTEST_MAIN(TestMainWindowX11)
#include "tst_main_window_x11.moc"
