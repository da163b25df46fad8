#include "KavoColours.h"
#include "X11Desktop.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// Kavo on a real X server, ended the hard way: its guardian, the marker it leaves and its
// calibration record give the monitor its calibration back, and nothing ever compounds.
// Starts Kavo and returns from the test when that fails.
#define START_SHOWING(temperature, percent)                                                        \
    do {                                                                                           \
        startShowing(temperature, percent, kavo, guardian);                                        \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

class TestGuardianX11 : public QObject
{
    Q_OBJECT

private:
    X11Desktop m_desktop;
    GammaRamp m_calibration;

    QString marker() const { return m_desktop.runtimeFile(QStringLiteral("VelmoraKavo.running")); }
    QString record() const
    {
        return m_desktop.runtimeFile(QStringLiteral("VelmoraKavo.calibration"));
    }

    // Starts Kavo showing `temperature` K and `percent` %, and waits until the CRTC shows them
    // over the calibration; `guardian` is its guardian's pid.
    void startShowing(int temperature, int percent, std::unique_ptr<QProcess>& kavo,
                      qint64& guardian)
    {
        m_desktop.writeSettings(steadyColourSettings(temperature, percent));
        kavo = m_desktop.launchKavo();
        QVERIFY(kavo->waitForStarted(10000));
        const GammaRamp expected = tinted(m_calibration, temperature, percent);
        QTRY_COMPARE_WITH_TIMEOUT(m_desktop.crtcRamp(), expected, 20000);
        guardian = X11Desktop::childPid(kavo->processId(), QStringLiteral("kavo-guardian"));
        QVERIFY(guardian > 0);
    }

    static void killHard(qint64 pid) { ::kill(static_cast<pid_t>(pid), SIGKILL); }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_desktop.start(), "Xvfb is installed by scripts/install-deps.sh");
        QVERIFY(m_desktop.loadCalibration(QStringLiteral("0.8:0.9:1.0")));
        m_calibration = m_desktop.crtcRamp();
        QVERIFY(m_calibration != GammaRamp::identity());
    }

    void guardianRestoresAKilledKavo()
    {
        qint64 guardian = 0;
        std::unique_ptr<QProcess> kavo;
        START_SHOWING(3000, 80);
        QVERIFY(QFile::exists(marker()));

        QElapsedTimer restored;
        restored.start();
        kavo->kill();
        QTRY_COMPARE_WITH_TIMEOUT(m_desktop.crtcRamp(), m_calibration, 10000);
        qInfo("calibration back %lld ms after kill -9", restored.elapsed());
        QTRY_VERIFY_WITH_TIMEOUT(X11Desktop::hasEnded(guardian), 10000);
        QVERIFY(!QFile::exists(marker()));
        QCOMPARE(m_desktop.crtcRamp(), m_calibration);
    }

    void startAfterBothWereKilledUsesTheRecord()
    {
        qint64 guardian = 0;
        std::unique_ptr<QProcess> kavo;
        START_SHOWING(3000, 80);
        killHard(guardian);
        QTRY_VERIFY_WITH_TIMEOUT(X11Desktop::hasEnded(guardian), 10000);
        kavo->kill();
        QVERIFY(kavo->waitForFinished(10000));
        // Nothing put the calibration back: the tint stays, and so does the marker.
        QCOMPARE(m_desktop.crtcRamp(), tinted(m_calibration, 3000, 80));
        QVERIFY(QFile::exists(marker()));

        // Other colours, so that they show whether they were laid over the calibration or
        // over the tint the monitor still shows.
        START_SHOWING(4500, 60);
        kavo->terminate();
        QVERIFY(kavo->waitForFinished(20000));
        QCOMPARE(kavo->exitStatus(), QProcess::NormalExit);
        QVERIFY(kavo->readAllStandardOutput().contains("the recorded calibration is used"));
        QCOMPARE(m_desktop.crtcRamp(), m_calibration);
        QTRY_VERIFY_WITH_TIMEOUT(X11Desktop::hasEnded(guardian), 10000);
        QCOMPARE(m_desktop.crtcRamp(), m_calibration);
        QVERIFY(!QFile::exists(marker()));
    }

    // Every other crash takes the guardian along.
    void tenCrashesInARowKeepTheCalibration()
    {
        for (int crash = 0; crash < 10; ++crash) {
            qint64 guardian = 0;
            std::unique_ptr<QProcess> kavo;
            START_SHOWING(crash % 2 ? 4500 : 3000, crash % 2 ? 60 : 80);
            if (crash % 2)
                killHard(guardian);
            kavo->kill();
            QVERIFY(kavo->waitForFinished(10000));
            QTRY_VERIFY_WITH_TIMEOUT(X11Desktop::hasEnded(guardian), 10000);
        }
        qint64 guardian = 0;
        std::unique_ptr<QProcess> kavo;
        START_SHOWING(5000, 90);
        kavo->terminate();
        QVERIFY(kavo->waitForFinished(20000));
        QTRY_VERIFY_WITH_TIMEOUT(X11Desktop::hasEnded(guardian), 10000);
        QCOMPARE(m_desktop.crtcRamp(), m_calibration);
    }

    void applyAndResetWithoutKavo()
    {
        auto apply = m_desktop.kavoctl({"apply", "--temperature", "3000", "--brightness", "80"});
        QCOMPARE(apply->exitCode(), 0);
        QCOMPARE(QJsonDocument::fromJson(apply->readAllStandardOutput())["temperature"].toInt(),
                 3000);
        QCOMPARE(m_desktop.crtcRamp(), tinted(m_calibration, 3000, 80));
        // A second apply starts from the calibration again, not from what the first left.
        apply = m_desktop.kavoctl({"apply", "--temperature", "4500", "--brightness", "60"});
        QCOMPARE(apply->exitCode(), 0);
        QCOMPARE(m_desktop.crtcRamp(), tinted(m_calibration, 4500, 60));

        auto reset = m_desktop.kavoctl({"reset"});
        QCOMPARE(reset->exitCode(), 0);
        QCOMPARE(m_desktop.crtcRamp(), m_calibration);
        QVERIFY(!QFile::exists(marker()));

        // Without a record, reset means the identity.
        QVERIFY(QFile::remove(record()));
        reset = m_desktop.kavoctl({"reset"});
        QCOMPARE(reset->exitCode(), 0);
        QVERIFY(reset->readAllStandardOutput().contains(R"("ramp":"identity")"));
        QCOMPARE(m_desktop.crtcRamp(), GammaRamp::identity());
        QVERIFY(m_desktop.loadCalibration(QStringLiteral("0.8:0.9:1.0")));
        QCOMPARE(m_desktop.crtcRamp(), m_calibration);
    }

    void kavoAfterApplyStartsFromTheCalibration()
    {
        auto apply = m_desktop.kavoctl({"apply", "--temperature", "2000", "--brightness", "50"});
        QCOMPARE(apply->exitCode(), 0);
        qint64 guardian = 0;
        std::unique_ptr<QProcess> kavo;
        START_SHOWING(4500, 60);
        kavo->terminate();
        QVERIFY(kavo->waitForFinished(20000));
        QTRY_VERIFY_WITH_TIMEOUT(X11Desktop::hasEnded(guardian), 10000);
        QCOMPARE(m_desktop.crtcRamp(), m_calibration);
    }

    void applyAndResetAreRefusedWhileKavoRuns()
    {
        qint64 guardian = 0;
        std::unique_ptr<QProcess> kavo;
        START_SHOWING(3000, 80);
        auto apply = m_desktop.kavoctl({"apply", "--temperature", "4500", "--brightness", "60"});
        QCOMPARE(apply->exitCode(), 3);
        QVERIFY(apply->readAllStandardOutput().isEmpty());
        auto reset = m_desktop.kavoctl({"reset"});
        QCOMPARE(reset->exitCode(), 3);
        QCOMPARE(m_desktop.crtcRamp(), tinted(m_calibration, 3000, 80));
        kavo->terminate();
        QVERIFY(kavo->waitForFinished(20000));
        QTRY_VERIFY_WITH_TIMEOUT(X11Desktop::hasEnded(guardian), 10000);
        QCOMPARE(m_desktop.crtcRamp(), m_calibration);
    }

    // A link planted where the record belongs is replaced by the record; the file it named
    // keeps its text and its mode.
    void recordIsNeverWrittenThroughALink_data()
    {
        QTest::addColumn<bool>("kavoRuns");
        QTest::newRow("kavoctl apply") << false;
        QTest::newRow("Kavo starts") << true;
    }

    void recordIsNeverWrittenThroughALink()
    {
        QFETCH(bool, kavoRuns);
        QTemporaryDir elsewhere;
        const QString notes = elsewhere.filePath(QStringLiteral("notes.txt"));
        writeNotes(notes);
        QFile::remove(record());
        QVERIFY(QFile::link(notes, record()));
        if (kavoRuns) {
            qint64 guardian = 0;
            std::unique_ptr<QProcess> kavo;
            START_SHOWING(3000, 80);
            kavo->terminate();
            QVERIFY(kavo->waitForFinished(20000));
            QTRY_VERIFY_WITH_TIMEOUT(X11Desktop::hasEnded(guardian), 10000);
        } else {
            const int applied =
                m_desktop.kavoctl({"apply", "--temperature", "3000", "--brightness", "80"})
                    ->exitCode();
            const bool recorded = QFileInfo(record()).isFile() && !QFileInfo(record()).isSymLink();
            // The monitor gets its calibration back whatever happened to the record.
            m_desktop.kavoctl({"reset"});
            QVERIFY(m_desktop.loadCalibration(QStringLiteral("0.8:0.9:1.0")));
            QCOMPARE(applied, 0);
            QVERIFY(recorded);
        }
        QCOMPARE(m_desktop.crtcRamp(), m_calibration);
        QVERIFY(!QFileInfo(record()).isSymLink());
        expectNotes(notes);
    }

    // Whatever a lock file left behind holds, the kernel's lock went with its holder.
    void leftoverLockFileBlocksNoStart_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\xffnot a lock\n");
        QTest::newRow("dead process of another host") << QByteArray("999999\nkavo\nelsewhere\n");
        QTest::newRow("process 0") << QByteArray("0\n");
    }

    void leftoverLockFileBlocksNoStart()
    {
        QFETCH(QByteArray, content);
        QFile lock(m_desktop.runtimeFile(QStringLiteral("VelmoraKavo.lock")));
        QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lock.write(content);
        lock.close();
        qint64 guardian = 0;
        std::unique_ptr<QProcess> kavo;
        START_SHOWING(3000, 80);
        QCOMPARE(kavo->state(), QProcess::Running);
        kavo->terminate();
        QVERIFY(kavo->waitForFinished(20000));
        QCOMPARE(kavo->exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(X11Desktop::hasEnded(guardian), 10000);
    }

private:
    static void writeNotes(const QString& path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("my notes\n");
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::ReadOther));
    }

    static void expectNotes(const QString& path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("my notes\n"));
        QVERIFY(file.permissions() & QFile::ReadOther);
    }
};

QTEST_GUILESS_MAIN(TestGuardianX11)
#include "tst_guardian_x11.moc"
