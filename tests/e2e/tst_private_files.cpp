#include "KavoProcess.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

// Kavo's files in the runtime and settings folders against what another local account, a
// full or read-only disk, or a leftover of an earlier run may have put there.
class TestPrivateFiles : public QObject
{
    Q_OBJECT

private:
    static constexpr uid_t kNobody = 65534;

    static bool answers(const QString& socket)
    {
        QLocalSocket probe;
        probe.connectToServer(socket);
        return probe.waitForConnected(100);
    }

    static void startFirst(const KavoDesktop& desktop, std::unique_ptr<QProcess>& first,
                           const QStringList& arguments = {})
    {
        first = desktop.launch(arguments);
        QVERIFY(first->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(answers(desktop.serverSocket()), 20000);
    }

    static void stop(QProcess& process)
    {
        process.terminate();
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 0);
    }

    static void write(const QString& path, const QByteArray& content)
    {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
        file.write(content);
    }

    static QByteArray read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void requireRoot(const char* why)
    {
        if (::geteuid() != 0)
            QSKIP(why);
    }

    // A process of user nobody that listens on `path` (made while still root, in a folder
    // only root may enter) and answers every connection with `answer`.
    static pid_t foreignServer(const QString& path, const QByteArray& answer)
    {
        const QByteArray name = QFile::encodeName(path);
        const pid_t child = ::fork();
        if (child != 0)
            return child;
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        ::strncpy(address.sun_path, name.constData(), sizeof(address.sun_path) - 1);
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
            ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0 || ::listen(fd, 8) != 0)
            ::_exit(1);
        for (;;) {
            const int client = ::accept(fd, nullptr, nullptr);
            if (client < 0)
                continue;
            // A prober that left already must not end the server.
            (void)!::send(client, answer.constData(), static_cast<size_t>(answer.size()),
                          MSG_NOSIGNAL);
            ::close(client);
        }
    }

    static void endServer(pid_t server)
    {
        ::kill(server, SIGKILL);
        ::waitpid(server, nullptr, 0);
    }

private slots:
    // The record replaces a link planted in its place; the file the link named is untouched.
    void calibrationRecordReplacesALink()
    {
        KavoDesktop desktop(R"({"capabilities": {"lasting_gamma_ramps": true},
                               "monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080}]})");
        const QString notes = desktop.path(QStringLiteral("notes.txt"));
        write(notes, "my notes\n");
        const QString record = desktop.path(QStringLiteral("runtime/VelmoraKavo.calibration"));
        QVERIFY(QFile::link(notes, record));
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(record).isFile() && !QFileInfo(record).isSymLink(),
                                 20000);
        stop(*first);
        QCOMPARE(read(notes), QByteArray("my notes\n"));
    }

    // The settings file and the simulated desktop's state replace links too.
    void settingsAndStateReplaceLinks()
    {
        KavoDesktop desktop;
        const QString notes = desktop.path(QStringLiteral("notes.txt"));
        write(notes, "my notes\n");
        QDir().mkpath(desktop.path(QStringLiteral("settings")));
        QVERIFY(QFile::link(notes, desktop.settingsFile()));
        QVERIFY(QFile::link(notes, desktop.path(QStringLiteral("state.json"))));
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        QCOMPARE(desktop.kavoctl({"set", "temperature", "night", "4000"})->exitCode(), 0);
        stop(*first);
        QCOMPARE(read(notes), QByteArray("my notes\n"));
        QVERIFY(!QFileInfo(desktop.settingsFile()).isSymLink());
        QVERIFY(read(desktop.settingsFile()).contains("NightTemperature=4000"));
    }

    // No usable runtime folder: Kavo makes a private one of its own, and kavoctl finds it.
    void unusableRuntimeFolderIsReplaced_data()
    {
        QTest::addColumn<QString>("runtime");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("othersOwn");
        QTest::newRow("unset") << QString() << 0 << false;
        QTest::newRow("open to others") << "shared" << 0777 << false;
        QTest::newRow("another user's") << "theirs" << 0700 << true;
        QTest::newRow("a relative path") << "runtime" << 0700 << false;
    }

    void unusableRuntimeFolderIsReplaced()
    {
        QFETCH(QString, runtime);
        QFETCH(int, mode);
        QFETCH(bool, othersOwn);
        KavoDesktop desktop;
        desktop.setEnvironment("TMPDIR", desktop.path("tmp"));
        QDir().mkpath(desktop.path("tmp"));
        if (runtime == QLatin1String("runtime")) {
            desktop.setEnvironment("XDG_RUNTIME_DIR", runtime);
        } else if (!runtime.isEmpty()) {
            const QString folder = desktop.path(runtime);
            QVERIFY(QDir().mkpath(folder));
            QCOMPARE(::chmod(QFile::encodeName(folder).constData(), mode_t(mode)), 0);
            if (othersOwn) {
                requireRoot("giving a folder to another user needs root");
                QCOMPARE(::chown(QFile::encodeName(folder).constData(), kNobody, kNobody), 0);
            }
            desktop.setEnvironment("XDG_RUNTIME_DIR", folder);
        } else {
            desktop.setEnvironment("XDG_RUNTIME_DIR", QString());
        }
        const QString own = desktop.path(QStringLiteral("tmp/kavo-runtime-%1").arg(::geteuid()));
        auto kavo = desktop.launch();
        QVERIFY(kavo->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(answers(own + "/VelmoraKavo"), 20000);
        QCOMPARE(QFileInfo(own).permissions() & 0x0077, QFile::Permissions());
        // The status socket opens after the instance socket, once the controller runs.
        QTRY_VERIFY_WITH_TIMEOUT(answers(own + "/VelmoraKavo.status"), 20000);
        auto status = desktop.kavoctl({"status"});
        QVERIFY2(status->exitCode() == 0, status->readAllStandardError().constData());
        QVERIFY(QDir(desktop.path("tmp"))
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot)
                    .filter("Velmora")
                    .isEmpty());
        stop(*kavo);
    }

    // When even the private folder cannot be had, Kavo says so in one line and does not run.
    void noPrivateFolderRefusesToStart()
    {
        KavoDesktop desktop;
        desktop.setEnvironment("TMPDIR", desktop.path("tmp"));
        desktop.setEnvironment("XDG_RUNTIME_DIR", QString());
        const QString own = desktop.path(QStringLiteral("tmp/kavo-runtime-%1").arg(::geteuid()));
        QVERIFY(QDir().mkpath(own));
        QCOMPARE(::chmod(QFile::encodeName(own).constData(), 0777), 0);
        auto kavo = desktop.launch();
        QVERIFY(kavo->waitForFinished(20000));
        QCOMPARE(kavo->exitCode(), 1);
        const QStringList errors =
            QString::fromUtf8(kavo->readAllStandardError()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().startsWith("Kavo cannot start: no private runtime folder"),
                 qPrintable(errors.first()));
        QVERIFY2(errors.first().contains("is open to other users"), qPrintable(errors.first()));
    }

    // A process of another user answering on Kavo's sockets is not believed.
    void foreignAnswersAreNotTrusted()
    {
        requireRoot("a process of another user needs root to make");
        KavoDesktop desktop;
        const pid_t status = foreignServer(desktop.statusSocket(), R"({"fake": true})"
                                                                   "\n");
        QTRY_VERIFY_WITH_TIMEOUT(answers(desktop.statusSocket()), 10000);
        auto kavoctl = desktop.kavoctl({"status"});
        endServer(status);
        QVERIFY(kavoctl->exitCode() != 0);
        QVERIFY(!kavoctl->readAllStandardOutput().contains("fake"));
        QVERIFY(kavoctl->readAllStandardError().contains("another user"));

        // A launch that finds the lock held hands nothing to another user's socket.
        QFile lock(desktop.serverSocket() + ".lock");
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QCOMPARE(::flock(lock.handle(), LOCK_EX | LOCK_NB), 0);
        const pid_t instance = foreignServer(desktop.serverSocket(), R"({"ran": 1})"
                                                                     "\n");
        QTRY_VERIFY_WITH_TIMEOUT(answers(desktop.serverSocket()), 10000);
        auto launch = desktop.launch({"sdb 33"});
        QVERIFY(launch->waitForFinished(30000));
        endServer(instance);
        QCOMPARE(launch->exitCode(), 1);
        QVERIFY(launch->readAllStandardError().contains("belongs to another user"));
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
        KavoDesktop desktop;
        write(desktop.serverSocket() + ".lock", content);
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        QCOMPARE(first->state(), QProcess::Running);
        auto second = desktop.launch({"sdb 55"});
        QVERIFY(second->waitForFinished(30000));
        QCOMPARE(second->exitCode(), 0);
        stop(*first);
    }

    // A lock that cannot be taken for any other reason than being held: Kavo says so.
    void unusableLockRefusesToStart_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("a link") << "link";
        QTest::newRow("a folder") << "folder";
    }

    void unusableLockRefusesToStart()
    {
        QFETCH(QString, what);
        KavoDesktop desktop;
        const QString lock = desktop.serverSocket() + ".lock";
        if (what == QLatin1String("link"))
            QVERIFY(QFile::link(desktop.path("elsewhere.lock"), lock));
        else
            QVERIFY(QDir().mkpath(lock));
        auto kavo = desktop.launch();
        QVERIFY(kavo->waitForFinished(20000));
        QCOMPARE(kavo->exitCode(), 1);
        const QStringList errors =
            QString::fromUtf8(kavo->readAllStandardError()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().startsWith("Kavo cannot start: the instance lock"),
                 qPrintable(errors.first()));
        QVERIFY(!QFile::exists(desktop.path("elsewhere.lock")));
    }

    // Kavo takes over only a dead socket of its own: another program's socket, or a file, at
    // its paths stays, and Kavo says it cannot listen.
    void socketsOfOthersAreLeftAlone()
    {
        KavoDesktop desktop;
        QLocalServer other;
        QVERIFY(other.listen(desktop.serverSocket()));
        write(desktop.statusSocket(), "not a socket\n");
        auto kavo = desktop.launch();
        QVERIFY(kavo->waitForStarted());
        OutputLines lines(*kavo);
        QTRY_VERIFY_WITH_TIMEOUT(lines.contains("Unable to listen on the instance socket"), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(lines.contains("Unable to listen on the status socket"), 20000);
        QVERIFY(answers(desktop.serverSocket()));
        QVERIFY(other.waitForNewConnection(1000));
        QCOMPARE(read(desktop.statusSocket()), QByteArray("not a socket\n"));
        kavo->terminate();
        QVERIFY(kavo->waitForFinished(20000));
        QVERIFY(answers(desktop.serverSocket()));
        QCOMPARE(read(desktop.statusSocket()), QByteArray("not a socket\n"));
    }

    // A lost status socket comes back, so kavoctl never calls a running Kavo stopped.
    void lostStatusSocketIsListenedOnAgain()
    {
        KavoDesktop desktop;
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        QTRY_VERIFY_WITH_TIMEOUT(answers(desktop.statusSocket()), 20000);
        QVERIFY(QFile::remove(desktop.statusSocket()));
        QTRY_VERIFY_WITH_TIMEOUT(answers(desktop.statusSocket()), 60000);
        QCOMPARE(desktop.kavoctl({"status"})->exitCode(), 0);
        stop(*first);
    }

    // An older layout is moved aside, which needs no free space; when even that fails, the
    // file stays as it was and Kavo runs on defaults without saving.
    void olderLayoutIsKept_data()
    {
        QTest::addColumn<bool>("moveFails");
        QTest::newRow("moved aside") << false;
        QTest::newRow("cannot be moved") << true;
    }

    void olderLayoutIsKept()
    {
        QFETCH(bool, moveFails);
        KavoDesktop desktop;
        QDir().mkpath(desktop.path("settings"));
        const QByteArray old = "[General]\nSaveVersion=5\nWorkTime=45\nDayTemperature=4100\n" +
                               QByteArray("Padding=") + QByteArray(30000, 'x') + "\n";
        write(desktop.settingsFile(), old);
        const QString kept = desktop.settingsFile() + ".old";
        if (moveFails) // rename() cannot put a file over a folder that holds something
            QVERIFY(QDir().mkpath(kept + "/something"));
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        OutputLines lines(*first);
        auto set = desktop.kavoctl({"set", "temperature", "night", "4000"});
        stop(*first);
        if (moveFails) {
            QCOMPARE(read(desktop.settingsFile()), old);
            QVERIFY(lines.contains("could not be moved aside"));
            QVERIFY(set->exitCode() != 0);
        } else {
            QCOMPARE(read(kept), old);
            QVERIFY(read(desktop.settingsFile()).contains("NightTemperature=4000"));
            QCOMPARE(set->exitCode(), 0);
        }
    }

    // A store that cannot be written is reported once, and a change that will not last
    // is no success for the script that asked for it.
    void saveFailuresAreReported()
    {
        KavoDesktop desktop;
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        OutputLines lines(*first);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(desktop.settingsFile()), 20000);
        // Even root cannot put a file over a folder.
        QVERIFY(QFile::remove(desktop.settingsFile()));
        QVERIFY(QDir().mkpath(desktop.settingsFile() + "/held"));

        auto set = desktop.kavoctl({"set", "temperature", "night", "4000"});
        QVERIFY(set->exitCode() != 0);
        QVERIFY2(set->readAllStandardError().contains("settings cannot be saved to"),
                 qPrintable(set->readAllStandardError()));
        auto spell = desktop.launch({"sdb 44"});
        QVERIFY(spell->waitForFinished(30000));
        QCOMPARE(spell->exitCode(), 1);
        QVERIFY(spell->readAllStandardError().contains("a folder stands where the file belongs"));
        QTRY_VERIFY_WITH_TIMEOUT(lines.contains("sdb 44"), 20000);
        const auto reports = [&lines] {
            return lines.read().filter("Kavo: settings cannot be saved to").size();
        };
        QCOMPARE(reports(), 1);

        // Once the file can be written again, so it is.
        QVERIFY(QDir(desktop.settingsFile()).removeRecursively());
        QCOMPARE(desktop.kavoctl({"set", "temperature", "night", "4200"})->exitCode(), 0);
        QVERIFY(QFile::exists(desktop.settingsFile()));
        stop(*first);
        QVERIFY(read(desktop.settingsFile()).contains("NightTemperature=4200"));
    }

    // A FIFO where an hourly configuration file belongs is not opened: it would block Kavo.
    void hourlyConfigurationFifoDoesNotBlock_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("settings folder") << "settings";
        QTest::newRow("working folder") << "working";
    }

    void hourlyConfigurationFifoDoesNotBlock()
    {
        QFETCH(QString, folder);
        KavoDesktop desktop;
        QDir().mkpath(desktop.path(folder));
        QDir().mkpath(desktop.path("working"));
        QCOMPARE(::chmod(QFile::encodeName(desktop.path("working")).constData(), 0700), 0);
        desktop.setWorkingDirectory(desktop.path("working"));
        const QString fifo = desktop.path(folder + "/temperatureConfig.txt");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        OutputLines lines(*first);
        QTRY_VERIFY_WITH_TIMEOUT(desktop.kavoctl({"status"})->exitCode() == 0, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(
            lines.contains("temperatureConfig.txt is not read: it is not a plain file"), 20000);
        stop(*first);
    }
};

QTEST_GUILESS_MAIN(TestPrivateFiles)
#include "tst_private_files.moc"
