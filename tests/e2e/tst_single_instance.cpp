#include "KavoProcess.h"

#include <QFile>
#include <QLocalSocket>
#include <QSettings>
#include <QtEndian>
#include <QtTest>

#include <csignal>
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

        lines.clear();
        expectSecondLaunchEnds(desktop, {});
        QTRY_VERIFY_WITH_TIMEOUT(readLines(*first, lines).contains("open"), 20000);

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
