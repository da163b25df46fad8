#include "KavoProcess.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QLockFile>
#include <QSettings>
#include <QtEndian>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <vector>

// Real kavo processes on a simulated desktop: one running instance, later launches that hand
// it their command text and end, and a quit by signal that runs the whole teardown.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    // Output lines of `process` read so far, accumulated in `lines`.
    static QStringList readLines(QProcess& process, QStringList& lines)
    {
        const QString text = QString::fromUtf8(process.readAllStandardOutput());
        lines += text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return lines;
    }

    // Starts the first instance and waits until it listens for later launches.
    static void startFirst(const KavoDesktop& desktop, std::unique_ptr<QProcess>& first)
    {
        first = desktop.launch();
        QVERIFY(first->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(isListening(desktop), 20000);
    }

    static bool isListening(const KavoDesktop& desktop)
    {
        QLocalSocket socket;
        socket.connectToServer(desktop.serverSocket());
        return socket.waitForConnected(100);
    }

    static void stop(QProcess& process)
    {
        process.terminate();
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
    }

    static void expectSecondLaunchEnds(const KavoDesktop& desktop, const QStringList& arguments)
    {
        auto second = desktop.launch(arguments);
        QVERIFY(second->waitForFinished(20000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
    }

private slots:
    void secondLaunchHandsOverItsCommands()
    {
        KavoDesktop desktop;
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        QStringList lines;

        expectSecondLaunchEnds(desktop, {"kavo:open-settings-page"});
        QTRY_VERIFY_WITH_TIMEOUT(readLines(*first, lines).contains("open settings page"), 20000);

        lines.clear();
        expectSecondLaunchEnds(desktop, {"open+type Health"});
        QTRY_VERIFY_WITH_TIMEOUT(readLines(*first, lines).contains("type Health"), 20000);
        QVERIFY(lines.indexOf("open") >= 0);
        QVERIFY(lines.indexOf("open") < lines.indexOf("type Health"));

        // A connection that says nothing runs nothing, no earlier command either; a bare
        // launch opens the window.
        lines.clear();
        QVERIFY(isListening(desktop));
        expectSecondLaunchEnds(desktop, {});
        QTRY_VERIFY_WITH_TIMEOUT(readLines(*first, lines).contains("open"), 20000);
        QCOMPARE(lines.count("open"), 1);
        QVERIFY(!lines.contains("type Health"));

        stop(*first);
    }

    void nativeMessageIsHandedOver()
    {
        KavoDesktop desktop;
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        auto second = desktop.launch({"-native-messaging"});
        QVERIFY(second->waitForStarted());
        const QByteArray json = R"({"value": "type Health"})";
        QByteArray length(4, '\0');
        qToLittleEndian<qint32>(json.size(), length.data());
        second->write(length + json);
        second->closeWriteChannel();
        QVERIFY(second->waitForFinished(20000));
        QCOMPARE(second->exitCode(), 0);
        QStringList lines;
        QTRY_VERIFY_WITH_TIMEOUT(readLines(*first, lines).contains("type Health"), 20000);
        stop(*first);
    }

    void launchesAtTheSameMomentLeaveOneInstance()
    {
        KavoDesktop desktop;
        std::vector<std::unique_ptr<QProcess>> launches;
        for (int i = 0; i < 20; ++i)
            launches.push_back(desktop.launch());
        for (auto& launch : launches)
            QVERIFY(launch->waitForStarted());

        auto running = [&launches] {
            int count = 0;
            for (auto& launch : launches)
                count += launch->state() != QProcess::NotRunning ? 1 : 0;
            return count;
        };
        QTRY_COMPARE_WITH_TIMEOUT(running(), 1, 60000);
        for (auto& launch : launches) {
            if (launch->state() == QProcess::NotRunning)
                QCOMPARE(launch->exitCode(), 0);
            else
                stop(*launch);
        }
    }

    void terminationSavesTheSettings_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void terminationSavesTheSettings()
    {
        QFETCH(int, signalNumber);
        KavoDesktop desktop;
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(desktop.settingsFile()), 20000);
        ::kill(static_cast<pid_t>(first->processId()), signalNumber);
        QVERIFY(first->waitForFinished(20000));
        QCOMPARE(first->exitStatus(), QProcess::NormalExit);
        QCOMPARE(first->exitCode(), 0);
        QSettings saved(desktop.settingsFile(), QSettings::IniFormat);
        QCOMPARE(saved.value("SaveVersion").toString(), QString("6"));
        QCOMPARE(saved.value("IsFirstStart").toBool(), false);
        QCOMPARE(saved.value("WorkTime").toInt(), 20); // written by the full save on quit
        QVERIFY(!QFile::exists(desktop.serverSocket()));
    }

    static QByteArray nativeMessage(const QByteArray& json)
    {
        QByteArray length(4, '\0');
        qToLittleEndian<qint32>(json.size(), length.data());
        return length + json;
    }

    // Every file below the desktop's folder.
    static QStringList filesOf(const KavoDesktop& desktop)
    {
        QStringList files;
        QDirIterator it(desktop.path(QString()), QDir::Files | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(desktop.path(QString())).relativeFilePath(it.next());
        return files;
    }

    void helpAndVersionTouchNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("printed");
        QTest::newRow("--help") << QStringList{"--help"} << "Usage: kavo";
        QTest::newRow("-h") << QStringList{"-h"} << "Usage: kavo";
        QTest::newRow("--version") << QStringList{"--version"} << "Kavo " KAVO_VERSION "\n";
        QTest::newRow("help after a command") << QStringList{"open", "--help"} << "Usage: kavo";
    }

    void helpAndVersionTouchNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, printed);
        KavoDesktop desktop;
        const QStringList before = filesOf(desktop);
        auto launch = desktop.launch(arguments);
        QVERIFY(launch->waitForFinished(20000));
        QCOMPARE(launch->exitCode(), 0);
        QVERIFY(QString::fromUtf8(launch->readAllStandardOutput()).startsWith(printed));
        // No socket, no lock, no settings, no per-user store, no desktop state.
        QCOMPARE(filesOf(desktop), before);
    }

    void nativeMessagingKeepsStandardOutputForTheBrowser()
    {
        KavoDesktop desktop;
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        auto second = desktop.launch({"-native-messaging"});
        QVERIFY(second->waitForStarted());
        second->write(nativeMessage(R"({"value": "type Health"})"));
        second->closeWriteChannel();
        QVERIFY(second->waitForFinished(20000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(second->readAllStandardOutput(), QByteArray()); // Kavo sends no reply
        const QByteArray log = second->readAllStandardError();
        QVERIFY(log.contains("handle native things"));
        QVERIFY(log.contains("bufSize = "));
        stop(*first);
    }

    void stalledNativeMessageEndsTheLaunch()
    {
        KavoDesktop desktop;
        auto launch = desktop.launch({"-native-messaging"});
        QVERIFY(launch->waitForStarted());
        const QByteArray message = nativeMessage(R"({"value": "type Health"})");
        launch->write(message.left(message.size() / 2)); // and the pipe stays open
        QElapsedTimer waited;
        waited.start();
        QVERIFY(launch->waitForFinished(30000));
        qInfo("the stalled launch ended after %lld ms", waited.elapsed());
        QCOMPARE(launch->exitStatus(), QProcess::NormalExit);
        QCOMPARE(launch->exitCode(), 1);
        QVERIFY(launch->readAllStandardError().contains("No whole native message"));
        QVERIFY(!QFile::exists(desktop.serverSocket())); // it never became the instance
    }

    // Connections held open by a same-user flood do not switch the guard off.
    void floodOfConnectionsLeavesOneInstance()
    {
        // The running Kavo gets the usual desktop limit of 1024 file descriptors; the flood
        // holds more connections than that.
        rlimit limit{};
        getrlimit(RLIMIT_NOFILE, &limit);
        QVERIFY(limit.rlim_max >= 4096);
        limit.rlim_cur = 1024;
        QCOMPARE(setrlimit(RLIMIT_NOFILE, &limit), 0);
        KavoDesktop desktop;
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        limit.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_NOFILE, &limit), 0);
        // Each connection is held open; the flood lasts 2000 attempts or 10 s.
        std::vector<std::unique_ptr<QLocalSocket>> flood;
        const QDeadlineTimer flooding(10000);
        for (int i = 0; i < 2000 && !flooding.hasExpired(); ++i) {
            flood.push_back(std::make_unique<QLocalSocket>());
            flood.back()->connectToServer(desktop.serverSocket());
            flood.back()->waitForConnected(100);
        }
        QStringList lines;
        readLines(*first, lines);
        lines.clear();
        expectSecondLaunchEnds(desktop, {"type Health"});
        QTRY_VERIFY_WITH_TIMEOUT(readLines(*first, lines).contains("type Health"), 30000);
        QCOMPARE(first->state(), QProcess::Running);
        QVERIFY(QFile::exists(desktop.serverSocket()));
        flood.clear();
        expectSecondLaunchEnds(desktop, {"open"});
        QCOMPARE(first->state(), QProcess::Running);
        stop(*first);
    }

    // The lock says a Kavo runs, but nothing answers: the launch says so and ends.
    void heldLockWithoutAnAnswerStartsNoSecondInstance()
    {
        KavoDesktop desktop;
        QLockFile held(desktop.serverSocket() + ".lock");
        QVERIFY(held.tryLock(0));
        auto launch = desktop.launch();
        QVERIFY(launch->waitForFinished(60000));
        QCOMPARE(launch->exitCode(), 1);
        const QString error = QString::fromUtf8(launch->readAllStandardError());
        QVERIFY2(error.contains(QString("process %1").arg(QCoreApplication::applicationPid())),
                 qPrintable(error));
        QVERIFY(!QFile::exists(desktop.serverSocket()));
        QVERIFY(!QFile::exists(desktop.settingsFile()));
    }

    // A socket that went away (removed by hand, or closed after an error) comes back.
    void lostSocketIsListenedOnAgain()
    {
        KavoDesktop desktop;
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        QVERIFY(QFile::remove(desktop.serverSocket()));
        QTRY_VERIFY_WITH_TIMEOUT(isListening(desktop), 60000);
        expectSecondLaunchEnds(desktop, {"open"});
        stop(*first);
    }

    // A million stored entries: Kavo keeps the monitors that exist, answers, quits, and
    // stores the list cleaned.
    void longIgnoredMonitorListIsCheckedWhenRead()
    {
        KavoDesktop desktop;
        desktop.writeSettings({{"IgnoreMonitors", QString("1:").repeated(1000000) + "x:7:"}});
        QElapsedTimer started;
        started.start();
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        QTRY_VERIFY_WITH_TIMEOUT(desktop.kavoctl({"status"})->exitCode() == 0, 30000);
        qInfo("kavoctl status answered %lld ms after the launch", started.elapsed());
        QStringList lines;
        QTRY_VERIFY_WITH_TIMEOUT(readLines(*first, lines)
                                     .contains("IgnoreMonitors: 1000001 entries dropped (only "
                                               "monitors 1..1, each once)"),
                                 30000);
        QElapsedTimer stopping;
        stopping.start();
        stop(*first);
        qInfo("Kavo ended %lld ms after SIGTERM", stopping.elapsed());
        QSettings saved(desktop.settingsFile(), QSettings::IniFormat);
        QCOMPARE(saved.value("IgnoreMonitors").toString(), QString("1:"));
    }

    void deadInstanceDoesNotBlockTheNext()
    {
        KavoDesktop desktop;
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        first->kill();
        QVERIFY(first->waitForFinished(20000));
        QVERIFY(QFile::exists(desktop.serverSocket())); // left behind by the killed instance
        std::unique_ptr<QProcess> next;
        startFirst(desktop, next);
        QCOMPARE(next->state(), QProcess::Running);
        expectSecondLaunchEnds(desktop, {"open"});
        stop(*next);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
