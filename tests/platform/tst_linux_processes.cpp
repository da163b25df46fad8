// Processes from /proc: their names as a user knows them, who owns them, and ending them.
#include "platform/linux/LinuxProcesses.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {
void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}
} // namespace

class TestLinuxProcesses : public QObject
{
    Q_OBJECT

private slots:
    void theNameIsTheOneTheUserKnows_data()
    {
        QTest::addColumn<QByteArray>("comm");
        QTest::addColumn<QByteArray>("exe");
        QTest::addColumn<QString>("name");
        QTest::newRow("short name") << QByteArray("vlc") << QByteArray("/usr/bin/vlc") << "vlc";
        QTest::newRow("cut by the kernel")
            << QByteArray("kavo_test_windo") << QByteArray("/tmp/x/kavo_test_window")
            << "kavo_test_window";
        QTest::newRow("replaced by an update")
            << QByteArray("kavo_test_windo") << QByteArray("/opt/kavo_test_window (deleted)")
            << "kavo_test_window";
        QTest::newRow("a script") << QByteArray("myscript.py") << QByteArray("/usr/bin/python3.11")
                                  << "myscript.py";
        QTest::newRow("no executable")
            << QByteArray("kworker/0:1") << QByteArray() << "kworker/0:1";
        QTest::newRow("quotes and backslashes")
            << QByteArray("it's \\ \"x\"") << QByteArray() << "it's \\ \"x\"";
        QTest::newRow("nothing") << QByteArray() << QByteArray() << QString();
    }

    void theNameIsTheOneTheUserKnows()
    {
        QFETCH(QByteArray, comm);
        QFETCH(QByteArray, exe);
        QFETCH(QString, name);
        QCOMPARE(LinuxProcesses::programName(comm, exe), name);
    }

    void aSnapshotListsEveryProcessWithItsOwner()
    {
        QTemporaryDir proc;
        QDir().mkpath(proc.filePath("100"));
        writeFile(proc.filePath("100/comm"), "vlc\n");
        QDir().mkpath(proc.filePath("101"));
        writeFile(proc.filePath("101/comm"), "averyveryverylo\n");
        QVERIFY(QFile::link("/opt/averyveryverylongname", proc.filePath("101/exe")));
        QDir().mkpath(proc.filePath("self"));
        // A process of another user: a folder that is not the test's own.
        QTemporaryDir foreign;
        if (::getuid() == 0)
            QVERIFY(::chown(QFile::encodeName(foreign.path()).constData(), 4242, 4242) == 0);
        QVERIFY(QFile::link(::getuid() == 0 ? foreign.path() : QStringLiteral("/"),
                            proc.filePath("555")));

        QVector<ProcessEntry> entries;
        QVERIFY(LinuxProcesses(proc.path()).snapshot(entries));
        std::sort(entries.begin(), entries.end(),
                  [](const ProcessEntry& a, const ProcessEntry& b) { return a.pid < b.pid; });
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0].name, QStringLiteral("vlc"));
        QVERIFY(entries[0].own);
        QCOMPARE(entries[1].name, QStringLiteral("averyveryverylongname"));
        QCOMPARE(entries[2].pid, 555);
        QVERIFY(!entries[2].own);
        // Never another user's process, whatever its pid is on this machine.
        QVERIFY(!LinuxProcesses(proc.path()).terminate(555));
    }

    // Names are remembered between snapshots, but a process that exec'd or a pid taken by
    // another process shows its new name on the next one, and a process that ended is gone.
    void theNextSnapshotSeesExecsAndEnds()
    {
        QTemporaryDir proc;
        QDir().mkpath(proc.filePath("100"));
        writeFile(proc.filePath("100/comm"), "sh\n");
        QDir().mkpath(proc.filePath("101"));
        writeFile(proc.filePath("101/comm"), "averyveryverylo\n");
        QVERIFY(QFile::link("/opt/averyveryverylongname", proc.filePath("101/exe")));
        LinuxProcesses processes(proc.path());
        QVector<ProcessEntry> entries;
        QVERIFY(processes.snapshot(entries));
        QCOMPARE(entries.size(), 2);

        writeFile(proc.filePath("100/comm"), "vlc\n");
        QVERIFY(QDir(proc.filePath("101")).removeRecursively());
        QVERIFY(processes.snapshot(entries));
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].pid, 100);
        QCOMPARE(entries[0].name, QStringLiteral("vlc"));

        QDir().mkpath(proc.filePath("101"));
        writeFile(proc.filePath("101/comm"), "averyveryverylo\n");
        QVERIFY(QFile::link("/opt/averyveryverylongword", proc.filePath("101/exe")));
        QVERIFY(processes.snapshot(entries));
        QCOMPARE(entries.size(), 2);
        const auto reused = std::find_if(entries.begin(), entries.end(),
                                         [](const ProcessEntry& e) { return e.pid == 101; });
        QVERIFY(reused != entries.end());
        QCOMPARE(reused->name, QStringLiteral("averyveryverylongword"));
    }

    // Between listings the last list is the answer: a process that started or ended shows on
    // the next snapshot, one that exec'd (or a start and an end that leave the count as it
    // was) within kFullReadEvery snapshots, and a launcher's child seen before its exec at
    // the next listing.
    void changesShowWithinTheirBound_data()
    {
        QTest::addColumn<int>("seenBefore");
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("within");
        const int full = LinuxProcesses::kFullReadEvery;
        for (int seen = 2; seen < 2 + full; ++seen)
            QTest::addRow("exec after %d snapshots", seen) << seen << "exec" << full;
        QTest::newRow("a child execs") << 1 << "exec" << full;
        QTest::newRow("a child execs as another starts") << 1 << "exec, another starts" << 1;
        QTest::newRow("one ends as another starts") << 3 << "swap" << full;
        QTest::newRow("another starts") << 3 << "another starts" << 1;
    }

    void changesShowWithinTheirBound()
    {
        QFETCH(int, seenBefore);
        QFETCH(QString, change);
        QFETCH(int, within);
        QTemporaryDir proc;
        QDir().mkpath(proc.filePath("100"));
        writeFile(proc.filePath("100/comm"), "sh\n");
        QDir().mkpath(proc.filePath("1"));
        writeFile(proc.filePath("1/comm"), "init\n");
        LinuxProcesses processes(proc.path());
        QVector<ProcessEntry> entries;
        for (int i = 0; i < seenBefore; ++i)
            QVERIFY(processes.snapshot(entries));

        if (change.startsWith("exec"))
            writeFile(proc.filePath("100/comm"), "flux\n");
        if (change == "swap")
            QVERIFY(QDir(proc.filePath("1")).removeRecursively());
        if (change.endsWith("another starts") || change == "swap") {
            QDir().mkpath(proc.filePath("200"));
            writeFile(proc.filePath("200/comm"), "flux\n");
        }
        for (int snapshot = 1; snapshot <= within; ++snapshot) {
            QVERIFY(processes.snapshot(entries));
            for (const ProcessEntry& entry : entries) {
                if (entry.name == QLatin1String("flux"))
                    return;
            }
        }
        QFAIL("the change did not show");
    }

    void aMissingFolderIsAFailedSnapshot()
    {
        QVector<ProcessEntry> entries;
        QVERIFY(!LinuxProcesses("/nonexistent/proc").snapshot(entries));
    }

    void ownProcessesEndButNeverKavoItself()
    {
        QProcess sleeper;
        sleeper.start("sleep", {"60"});
        QVERIFY(sleeper.waitForStarted(10000));
        const LinuxProcesses processes;
        QCOMPARE(processes.name(sleeper.processId()), QStringLiteral("sleep"));
        QVERIFY(!processes.terminate(::getpid()));
        QVERIFY(!processes.terminate(1));
        QVERIFY(processes.terminate(sleeper.processId()));
        QVERIFY(sleeper.waitForFinished(10000));
        QCOMPARE(sleeper.exitStatus(), QProcess::CrashExit);
    }

    void theMachinesProcessesAreListed()
    {
        QVector<ProcessEntry> entries;
        QVERIFY(LinuxProcesses().snapshot(entries));
        const auto self = std::find_if(entries.begin(), entries.end(),
                                       [](const ProcessEntry& e) { return e.pid == ::getpid(); });
        QVERIFY(self != entries.end());
        QVERIFY(self->own);
        QCOMPARE(self->name, QStringLiteral("test_linux_processes"));
    }
};

QTEST_GUILESS_MAIN(TestLinuxProcesses)
#include "tst_linux_processes.moc"
