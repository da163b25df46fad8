#include "KavoColours.h"
#include "X11Desktop.h"

#include <QThread>
#include <QtTest>

#include <csignal>

// The ways out of Kavo that used to leave the tint: a standard output nobody reads any more,
// and a second quit signal while Kavo is shutting down. Kavo must end normally, having given
// the monitor its calibration back itself.
class TestQuitX11 : public QObject
{
    Q_OBJECT

private:
    X11Desktop m_desktop;
    GammaRamp m_calibration;

    std::unique_ptr<QProcess> startShowing(bool preserve_gamma, QProcess* output = nullptr)
    {
        m_desktop.writeSettings(steadyColourSettings(3000, 80, preserve_gamma));
        auto kavo = m_desktop.launchKavo({}, output);
        kavo->waitForStarted(10000);
        return kavo;
    }

    // Kavo ended on its own terms, and the guardian it left found nothing to mend.
    void verifyCleanEnd(QProcess& kavo, qint64 guardian)
    {
        QVERIFY(kavo.waitForFinished(20000));
        QCOMPARE(kavo.exitStatus(), QProcess::NormalExit);
        QCOMPARE(kavo.exitCode(), 0);
        QCOMPARE(m_desktop.crtcRamp(), m_calibration);
        QTRY_VERIFY_WITH_TIMEOUT(X11Desktop::hasEnded(guardian), 10000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_desktop.start(), "Xvfb is installed by scripts/install-deps.sh");
        QVERIFY(m_desktop.loadCalibration(QStringLiteral("1.2:1.0:0.7")));
        m_calibration = m_desktop.crtcRamp();
    }

    // "kavo | head -1": the reader ends after the first line; Kavo logs on.
    void closedStandardOutput()
    {
        for (int run = 0; run < 20; ++run) {
            QProcess head;
            auto kavo = startShowing(true, &head);
            head.start(QStringLiteral("head"), {QStringLiteral("-n"), QStringLiteral("1")});
            QVERIFY(head.waitForFinished(20000));
            QTRY_COMPARE_WITH_TIMEOUT(m_desktop.crtcRamp(), tinted(m_calibration, 3000, 80), 20000);
            const qint64 guardian =
                X11Desktop::childPid(kavo->processId(), QStringLiteral("kavo-guardian"));
            // A second launch makes the running Kavo log the command it was handed.
            auto second = m_desktop.launchKavo({QStringLiteral("no-such-command")});
            QVERIFY(second->waitForFinished(20000));
            QCOMPARE(kavo->state(), QProcess::Running);
            kavo->terminate();
            verifyCleanEnd(*kavo, guardian);
        }
    }

    // Ctrl+C twice, 1 to 20 ms apart, with the ramps not preserved: the restore that gives
    // the calibration back happens during the teardown the second signal lands in.
    void secondQuitSignalDuringShutdown()
    {
        for (int gap_ms = 1; gap_ms <= 20; ++gap_ms) {
            auto kavo = startShowing(false);
            QTRY_VERIFY_WITH_TIMEOUT(m_desktop.crtcRamp() != m_calibration, 20000);
            const qint64 guardian =
                X11Desktop::childPid(kavo->processId(), QStringLiteral("kavo-guardian"));
            const auto pid = static_cast<pid_t>(kavo->processId());
            ::kill(pid, SIGINT);
            QThread::usleep(static_cast<unsigned long>(gap_ms) * 1000); // the gap under test
            ::kill(pid, SIGINT);
            verifyCleanEnd(*kavo, guardian);
        }
    }
};

QTEST_GUILESS_MAIN(TestQuitX11)
#include "tst_quit_x11.moc"
