// The X11 desktop as the debug information describes it: a private Xvfb with a real window
// manager and compositor.
#include "XvfbServer.h"

#include "platform/x11/X11Platform.h"

#include <QProcess>
#include <QtTest>

class TestX11DesktopInfo : public QObject
{
    Q_OBJECT

private:
    XvfbServer m_xvfb;
    std::unique_ptr<X11Platform> m_platform;
    QProcess m_window_manager;
    QProcess m_compositor;

    DesktopDescription describe() { return m_platform->desktopInfo().describe(); }

    void start(QProcess& process, const QString& program, const QStringList& arguments = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", m_xvfb.display());
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        QVERIFY2(process.waitForStarted(10000),
                 qPrintable(program + " is installed by scripts/install-deps.sh"));
    }

    static void stop(QProcess& process)
    {
        process.terminate();
        if (!process.waitForFinished(10000))
            process.kill();
        process.waitForFinished(10000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_xvfb.start("1024x768x24"), "Xvfb is installed by scripts/install-deps.sh");
        qputenv("DISPLAY", m_xvfb.display().toLatin1());
        m_platform = X11Platform::open();
        QVERIFY(m_platform);
    }

    void cleanupTestCase()
    {
        stop(m_compositor);
        stop(m_window_manager);
        m_platform.reset();
    }

    void aBareServerHasNoWindowManagerAndNoCompositor()
    {
        const DesktopDescription desktop = describe();
        QCOMPARE(desktop.kind, QStringLiteral("X11"));
        QVERIFY(!desktop.server.isEmpty());
        QCOMPARE(desktop.window_manager, QString());
        QCOMPARE(desktop.compositor, QString());
        QCOMPARE(desktop.monitors.size(), 1);
        QCOMPARE(desktop.monitors.first().name, QStringLiteral("screen"));
        QCOMPARE(desktop.monitors.first().gamma_size, 256);
    }

    void theWindowManagerAndTheCompositorAreNamed()
    {
        start(m_window_manager, "openbox", {"--sm-disable"});
        QTRY_COMPARE_WITH_TIMEOUT(describe().window_manager, QStringLiteral("Openbox"), 30000);
        start(m_compositor, "xcompmgr");
        QTRY_VERIFY_WITH_TIMEOUT(!describe().compositor.isEmpty(), 30000);
    }

    void aWindowManagerThatEndedIsNoLongerNamed()
    {
        stop(m_compositor);
        QTRY_COMPARE_WITH_TIMEOUT(describe().compositor, QString(), 30000);
        stop(m_window_manager);
        QTRY_COMPARE_WITH_TIMEOUT(describe().window_manager, QString(), 30000);
    }
};

QTEST_MAIN(TestX11DesktopInfo)
#include "tst_x11_desktop_info.moc"
