#include "KavoProcess.h"

#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QtEndian>
#include <QtTest>

#include <vector>

// Later launches hand their command text to the running Kavo over its socket and end with
// status 0 only once it ran there: never lost, never run twice, never waiting on a lock of
// another store, and a text too long for one turn is cut short with a message.
class TestLaunch : public QObject
{
    Q_OBJECT

private:
    static bool isListening(const KavoDesktop& desktop)
    {
        QLocalSocket socket;
        socket.connectToServer(desktop.serverSocket());
        return socket.waitForConnected(100);
    }

    static void startFirst(const KavoDesktop& desktop, std::unique_ptr<QProcess>& first)
    {
        first = desktop.launch();
        QVERIFY(first->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(isListening(desktop), 20000);
    }

    static void stop(QProcess& process)
    {
        process.terminate();
        QVERIFY(process.waitForFinished(20000));
        QCOMPARE(process.exitCode(), 0);
    }

    static void expectEndsWith(QProcess& launch, int status)
    {
        QVERIFY(launch.waitForFinished(60000));
        if (launch.exitCode() != status)
            QFAIL(launch.readAllStandardError().constData());
    }

    static QStringList sdbCommands(int count)
    {
        QStringList commands;
        for (int i = 0; i < count; ++i)
            commands << QStringLiteral("sdb %1").arg(10 + i);
        return commands;
    }

    // Each of `commands` ran exactly once in `kavo`.
    static void expectEachRanOnce(OutputLines& kavo, const QStringList& commands)
    {
        QTRY_VERIFY_WITH_TIMEOUT(kavo.count(commands.last()) > 0, 20000);
        for (const QString& command : commands)
            QTRY_VERIFY2_WITH_TIMEOUT(kavo.count(command) == 1, qPrintable(command), 20000);
    }

    static QByteArray nativeMessage(quint32 length, const QByteArray& body)
    {
        QByteArray header(4, '\0');
        qToLittleEndian<quint32>(length, header.data());
        return header + body;
    }

private slots:
    void everyParallelLaunchRunsItsCommandOnce()
    {
        KavoDesktop desktop;
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        OutputLines kavo(*first);
        const QStringList commands = sdbCommands(100);
        std::vector<std::unique_ptr<QProcess>> launches;
        for (const QString& command : commands)
            launches.push_back(desktop.launch({command}));
        for (auto& launch : launches)
            expectEndsWith(*launch, 0);
        expectEachRanOnce(kavo, commands);
        QCOMPARE(kavo.count(QStringLiteral("open")), 0);
        stop(*first);
    }

    // With no Kavo running, one launch becomes it and runs its own text; the others hand
    // theirs over. None waits on a lock of a store the launch has no business with.
    void launchesIntoNoKavoEachRunOnce()
    {
        KavoDesktop desktop;
        const QString userStore = desktop.path(QStringLiteral("config/Velmora/Kavo.conf"));
        QDir().mkpath(QFileInfo(userStore).absolutePath());
        QLockFile busy(userStore + QStringLiteral(".lock"));
        QVERIFY(busy.tryLock(0));
        const QStringList commands = sdbCommands(30);
        std::vector<std::unique_ptr<QProcess>> launches;
        for (const QString& command : commands)
            launches.push_back(desktop.launch({command}));
        auto running = [&launches] {
            int count = 0;
            for (auto& launch : launches)
                count += launch->state() != QProcess::NotRunning ? 1 : 0;
            return count;
        };
        QTRY_COMPARE_WITH_TIMEOUT(running(), 1, 60000);
        QProcess* instance = nullptr;
        for (auto& launch : launches) {
            if (launch->state() != QProcess::NotRunning)
                instance = launch.get();
            else
                QVERIFY2(launch->exitCode() == 0, launch->readAllStandardError().constData());
        }
        OutputLines kavo(*instance);
        expectEachRanOnce(kavo, commands);
        stop(*instance);
    }

    // Refused texts end the launch with a line on standard error, and the running Kavo opens
    // no window for them.
    void refusedNativeMessageEndsTheLaunch_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("reason");
        QTest::newRow("4 GB") << nativeMessage(0xffffffffu, "{}") << "a length of 4294967295";
        QTest::newRow("2 GB") << nativeMessage(0x80000000u, "{}") << "a length of 2147483648";
        QTest::newRow("over 1 MiB")
            << nativeMessage(1024 * 1024 + 1, "{}") << "a length of 1048577";
        QTest::newRow("truncated body")
            << nativeMessage(100, R"({"value": "type)") << "15 of 100 bytes arrived";
        QTest::newRow("no value") << nativeMessage(12, R"({"val": "x"})") << "\"value\"";
        QTest::newRow("nothing") << QByteArray() << "no length arrived";
    }

    void refusedNativeMessageEndsTheLaunch()
    {
        QFETCH(QByteArray, input);
        QFETCH(QString, reason);
        KavoDesktop desktop;
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        OutputLines kavo(*first);
        auto launch = desktop.launch({"-native-messaging"});
        QVERIFY(launch->waitForStarted());
        launch->write(input);
        launch->closeWriteChannel();
        expectEndsWith(*launch, 1);
        const QStringList errors =
            QString::fromUtf8(launch->readAllStandardError()).split('\n', Qt::SkipEmptyParts);
        QVERIFY(!errors.isEmpty());
        QVERIFY2(errors.last().startsWith("The native message was refused") &&
                     errors.last().contains(reason),
                 qPrintable(errors.last()));
        // A following launch is the first thing the running Kavo hears of.
        auto next = desktop.launch({"sdb 42"});
        expectEndsWith(*next, 0);
        QTRY_COMPARE_WITH_TIMEOUT(kavo.count("sdb 42"), 1, 20000);
        QCOMPARE(kavo.count("open"), 0);
        stop(*first);
    }

    // 15000 parts in one text: the first 64 run, the rest are refused, and Kavo answers and
    // quits as usual right after.
    void longCommandIsCutShort()
    {
        KavoDesktop desktop;
        std::unique_ptr<QProcess> first;
        startFirst(desktop, first);
        OutputLines kavo(*first);
        QStringList parts;
        for (int i = 0; i < 15000; ++i)
            parts << QStringLiteral("sdb 63");
        auto launch = desktop.launch({parts.join('+')});
        expectEndsWith(*launch, 1);
        const QString error = QString::fromUtf8(launch->readAllStandardError()).trimmed();
        QVERIFY2(error.contains("only the first 64 parts of the command ran; the other 14936 "
                                "were refused"),
                 qPrintable(error));
        QTRY_COMPARE_WITH_TIMEOUT(kavo.count("sdb 63"), 64, 20000);
        QCOMPARE(desktop.kavoctl({"status"})->exitCode(), 0);
        stop(*first);
        QCOMPARE(kavo.count("sdb 63"), 64);
    }
};

QTEST_GUILESS_MAIN(TestLaunch)
#include "tst_launch.moc"
