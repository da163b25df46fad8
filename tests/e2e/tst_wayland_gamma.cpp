#include "KavoColours.h"
#include "KavoProcess.h"
#include "TestCompositor.h"
#include "platform/x11/X11Displays.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <csignal>

namespace {
// The compositor's tables for `ramp`, resampled as the X11 path resamples for a CRTC.
QByteArray tables(const GammaRamp& ramp, int size)
{
    QByteArray table;
    for (int c = 0; c < 3; ++c) {
        const QVector<quint16> levels = X11Displays::resample(ramp.channel(c).data(), 256, size);
        table.append(reinterpret_cast<const char*>(levels.constData()), 2 * size);
    }
    return table;
}
} // namespace

// The real kavo on a compositor with wlr-gamma-control: its colours reach both outputs as the
// X11 path would load them, kavoctl names the route, and a kill -9 leaves nothing behind,
// because the compositor restores the outputs when the connection closes.
class TestWaylandGamma : public QObject
{
    Q_OBJECT

private:
    TestCompositor m_compositor;
    KavoDesktop m_desktop;

    QByteArray lastTable(const QString& output, qint64 pid) const
    {
        QByteArray last;
        for (const TestCompositor::GammaWrite& write : m_compositor.writes()) {
            if (write.output == output && write.client == pid)
                last = write.table;
        }
        return last;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_compositor.start());
        m_compositor.addOutput({"DP-1", QRect(0, 0, 1920, 1080), 256});
        m_compositor.addOutput({"HDMI-A-1", QRect(1920, 0, 1280, 1024), 1024});
        m_desktop.setEnvironment("XDG_SESSION_TYPE", "wayland");
        m_desktop.setEnvironment("WAYLAND_DISPLAY", m_compositor.socketPath());
        m_desktop.setEnvironment("DISPLAY", QString());
        // Qt draws nowhere; the session alone selects the backend.
        m_desktop.setEnvironment("QT_QPA_PLATFORM", "offscreen");
        m_desktop.setEnvironment("KAVO_PLATFORM", "wayland");
    }

    void coloursReachEveryOutputAndEndWithTheConnection()
    {
        QDir().mkpath(m_desktop.path("settings"));
        QFile settings(m_desktop.settingsFile());
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[General]\nSaveVersion=6\nIsFirstStart=false\n" +
                       steadyColourSettings(3000, 80));
        settings.close();

        auto kavo = m_desktop.launch();
        QVERIFY(kavo->waitForStarted(10000));
        const qint64 pid = kavo->processId();
        const GammaRamp shown = tinted(GammaRamp::identity(), 3000, 80);
        QTRY_COMPARE_WITH_TIMEOUT(lastTable("DP-1", pid), tables(shown, 256), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(lastTable("HDMI-A-1", pid), tables(shown, 1024), 20000);
        QCOMPARE(m_compositor.controlCount(), 2);

        auto status = m_desktop.kavoctl({"status"});
        const QJsonObject answer =
            QJsonDocument::fromJson(status->readAllStandardOutput()).object();
        QCOMPARE(answer["platform"].toString(), QString("wayland"));
        const QJsonArray routes = answer["routes"].toArray();
        QCOMPARE(routes.size(), 2);
        QCOMPARE(routes[1].toObject()["output"].toString(), QString("HDMI-A-1"));
        for (const QJsonValue& monitor : routes) {
            QCOMPARE(monitor.toObject()["route"].toString(), QString("wlr-gamma-control"));
            QVERIFY(!monitor.toObject().contains("reason"));
        }

        ::kill(pid_t(pid), SIGKILL);
        QVERIFY(kavo->waitForFinished(10000));
        QTRY_COMPARE_WITH_TIMEOUT(m_compositor.clientCount(), 0, 10000);
        QCOMPARE(m_compositor.controlCount(), 0);
        QCOMPARE(m_compositor.restoredCount("DP-1"), 1);
        QCOMPARE(m_compositor.restoredCount("HDMI-A-1"), 1);
        const QString log = QString::fromUtf8(kavo->readAllStandardOutput());
        QVERIFY2(log.contains("Platform: wayland"), qPrintable(log));
        QVERIFY(log.contains("colours: wlr-gamma-control on DP-1, wlr-gamma-control on HDMI-A-1"));
        // No guardian and no calibration record: the compositor restores by itself.
        QVERIFY(!QFile::exists(m_desktop.path("runtime/.calibration")));
    }

    // The compositor keeps kavoctl's tables only while kavoctl runs: apply holds them until
    // it is interrupted, and says so.
    void kavoctlApplyHoldsTheColoursUntilInterrupted()
    {
        QProcess apply;
        apply.setProcessEnvironment(m_desktop.environment());
        apply.start(KAVOCTL_BINARY, {"apply", "--temperature", "4000", "--brightness", "90"});
        QVERIFY(apply.waitForStarted(10000));
        const GammaRamp shown = tinted(GammaRamp::identity(), 4000, 90);
        QTRY_COMPARE_WITH_TIMEOUT(lastTable("HDMI-A-1", apply.processId()), tables(shown, 1024),
                                  20000);
        QTRY_VERIFY_WITH_TIMEOUT(apply.bytesAvailable() > 0, 10000);
        const QJsonObject answer = QJsonDocument::fromJson(apply.readLine()).object();
        QCOMPARE(answer["monitors"].toArray().size(), 2);
        QString said;
        QTRY_VERIFY_WITH_TIMEOUT(
            (said += QString::fromUtf8(apply.readAllStandardError())).contains("until interrupted"),
            10000);
        QVERIFY2(apply.state() == QProcess::Running, qPrintable(said));

        const int restored = m_compositor.restoredCount("DP-1");
        apply.terminate();
        QVERIFY(apply.waitForFinished(10000));
        QCOMPARE(apply.exitStatus(), QProcess::NormalExit);
        QCOMPARE(apply.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_compositor.restoredCount("DP-1"), restored + 1, 10000);

        auto reset = m_desktop.kavoctl({"reset"});
        QCOMPARE(reset->exitCode(), 0);
        const QJsonArray monitors =
            QJsonDocument::fromJson(reset->readAllStandardOutput()).object()["monitors"].toArray();
        QCOMPARE(monitors.size(), 2);
        QCOMPARE(monitors[0].toObject()["ramp"].toString(), QString("compositor's own"));
    }
};

QTEST_GUILESS_MAIN(TestWaylandGamma)
#include "tst_wayland_gamma.moc"
