#include "KavoProcess.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QSettings>
#include <QtTest>

// The console from the command line on a simulated desktop: a later launch hands its spell
// to the running Kavo, which exports, imports and resets the settings file.
class TestConsole : public QObject
{
    Q_OBJECT

private:
    static QVariant stored(const KavoDesktop& desktop, const QString& key)
    {
        return QSettings(desktop.settingsFile(), QSettings::IniFormat).value(key);
    }

    static QJsonObject state(const KavoDesktop& desktop)
    {
        QFile file(desktop.path("state.json"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    static QString lastMessageTitle(const KavoDesktop& desktop)
    {
        const QJsonArray messages = state(desktop)["tray"].toObject()["messages"].toArray();
        return messages.isEmpty() ? QString() : messages.last()["title"].toString();
    }

    static bool isListening(const KavoDesktop& desktop)
    {
        QLocalSocket socket;
        socket.connectToServer(desktop.serverSocket());
        return socket.waitForConnected(100);
    }

    static void cast(const KavoDesktop& desktop, const QString& spell)
    {
        auto second = desktop.launch(spell.isEmpty() ? QStringList() : QStringList{spell});
        QVERIFY(second->waitForFinished(20000));
        QCOMPARE(second->exitCode(), 0);
    }

private slots:
    void exportImportAndResetFromTheCommandLine()
    {
        QTemporaryDir files;
        const QString exported = files.filePath("kavo.kavo");
        KavoDesktop desktop(
            QJsonDocument(QJsonObject{{"file_chooser", QJsonObject{{"save", exported}}}}).toJson());
        desktop.writeSettings({{"DayTemperature", 4300}, {"WorkTime", 35}});
        auto kavo = desktop.launch();
        QVERIFY(kavo->waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(isListening(desktop), 20000);

        // A bare later launch opens the window.
        cast(desktop, QString());
        QTRY_VERIFY_WITH_TIMEOUT(!state(desktop)["windows"].toArray().isEmpty(), 30000);

        cast(desktop, "export string");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(exported), 20000);
        QFile file(exported);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString line = QString::fromUtf8(file.readAll());
        QVERIFY(line.contains("DayTemperature=4300[sep]"));

        cast(desktop, "sdt 6100");
        QTRY_COMPARE_WITH_TIMEOUT(stored(desktop, "DayTemperature").toInt(), 6100, 20000);

        cast(desktop, "import " + line);
        QTRY_COMPARE_WITH_TIMEOUT(stored(desktop, "DayTemperature").toInt(), 4300, 20000);
        QCOMPARE(stored(desktop, "WorkTime").toInt(), 35);
        QCOMPARE(stored(desktop, "ZoomInHotkey").toString(), QString("Ctrl+Alt++"));

        cast(desktop, "sdb 150");
        QTRY_COMPARE_WITH_TIMEOUT(lastMessageTitle(desktop), QString("Invalid brightness"), 20000);

        cast(desktop, "reset settings");
        QTRY_COMPARE_WITH_TIMEOUT(stored(desktop, "DayTemperature").toInt(), 5000, 20000);
        QCOMPARE(stored(desktop, "WorkTime").toInt(), 20);
        QCOMPARE(lastMessageTitle(desktop), QString("Reset settings"));

        kavo->terminate();
        QVERIFY(kavo->waitForFinished(20000));
        QCOMPARE(kavo->exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestConsole)
#include "tst_console.moc"
