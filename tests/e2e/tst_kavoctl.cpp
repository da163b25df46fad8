// kavoctl as scripts and status bars use it: every argument checked before anything is done,
// the running Kavo changed over its instance socket, its status followed as it changes, and a
// Kavo that is gone or stalled answered for within a deadline.
#include "KavoProcess.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSettings>
#include <QtTest>

namespace {
struct Run
{
    int status = -1;
    QByteArray output;
    QByteArray error;
    QJsonObject json() const { return QJsonDocument::fromJson(output).object(); }
};

Run finished(QProcess& process)
{
    Run run;
    if (process.state() != QProcess::NotRunning || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.output = process.readAllStandardOutput();
    run.error = process.readAllStandardError();
    return run;
}

// A desktop whose clock stands still: the scheduled colours do not move during a test.
const QByteArray kStoppedClock =
    R"({"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080}],
        "clock": {"now": "2026-06-10T12:00:00+02:00", "running": false}})";

// The status lines a following kavoctl has printed so far.
class FollowedLines
{
public:
    explicit FollowedLines(QProcess& process) : m_process(process) {}

    int count()
    {
        while (m_process.canReadLine())
            m_lines.append(QJsonDocument::fromJson(m_process.readLine()).object());
        return m_lines.size();
    }
    const QList<QJsonObject>& lines() const { return m_lines; }

    // The values of `key`, each once for a run of lines that repeat it.
    QStringList changesOf(const char* key) const
    {
        QStringList values;
        for (const QJsonObject& line : m_lines) {
            const QString value = line.value(QLatin1String(key)).toVariant().toString();
            if (values.isEmpty() || values.last() != value)
                values.append(value);
        }
        return values;
    }

private:
    QProcess& m_process;
    QList<QJsonObject> m_lines;
};
} // namespace

class TestKavoctl : public QObject
{
    Q_OBJECT

private:
    Run kavoctl(const KavoDesktop& desktop, const QStringList& arguments)
    {
        auto process = desktop.kavoctl(arguments);
        return finished(*process);
    }

    static bool answers(const KavoDesktop& desktop)
    {
        QLocalSocket socket;
        socket.connectToServer(desktop.path(QStringLiteral("runtime/VelmoraKavo.status")));
        return socket.waitForConnected(100);
    }

private slots:
    void badArgumentsGiveOneLineAndStatusTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const QStringList ramp{"ramp", "--temperature", "3000", "--brightness", "80"};
        const QStringList matrix{"matrix", "--temperature", "3000", "--brightness", "80"};
        const QStringList sun{"sun", "--latitude", "1", "--longitude", "1"};
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"brighten"};
        QTest::newRow("ramp without temperature") << QStringList{"ramp", "--brightness", "80"};
        QTest::newRow("value missing")
            << QStringList{"ramp", "--brightness", "80", "--temperature"};
        QTest::newRow("temperature not a number")
            << QStringList{"ramp", "--temperature", "warm", "--brightness", "80"};
        QTest::newRow("negative temperature")
            << QStringList{"matrix", "--temperature", "-1", "--brightness", "80"};
        QTest::newRow("temperature over 10000")
            << QStringList{"ramp", "--temperature", "10001", "--brightness", "80"};
        QTest::newRow("huge temperature")
            << QStringList{"ramp", "--temperature", "99999999999", "--brightness", "80"};
        QTest::newRow("brightness 500 %")
            << QStringList{"ramp", "--temperature", "3000", "--brightness", "500"};
        QTest::newRow("brightness 9 %")
            << QStringList{"ramp", "--temperature", "3000", "--brightness", "9"};
        QTest::newRow("brightness as a factor")
            << QStringList{"ramp", "--temperature", "3000", "--brightness", "0.8"};
        QTest::newRow("brightness not a number")
            << QStringList{"matrix", "--temperature", "3000", "--brightness", "nan"};
        QTest::newRow("scheme 9") << ramp + QStringList{"--scheme", "9"};
        QTest::newRow("scheme 0") << ramp + QStringList{"--scheme=0"};
        QTest::newRow("leading colour 7") << ramp + QStringList{"--leading-color", "7"};
        QTest::newRow("unknown base") << ramp + QStringList{"--base", "calibrated"};
        QTest::newRow("effect 99") << matrix + QStringList{"--effect", "99"};
        QTest::newRow("effect 0") << matrix + QStringList{"--effect", "0"};
        QTest::newRow("effect by name") << matrix + QStringList{"--effect", "sepia"};
        QTest::newRow("saturation 1000") << matrix + QStringList{"--saturation", "1000"};
        QTest::newRow("saturation -1") << matrix + QStringList{"--saturation=-1"};
        QTest::newRow("flag with a value") << matrix + QStringList{"--inverted=yes"};
        QTest::newRow("unknown option") << matrix + QStringList{"--gamma", "2"};
        QTest::newRow("sun without longitude") << QStringList{"sun", "--latitude", "1"};
        QTest::newRow("latitude not a number")
            << QStringList{"sun", "--latitude", "north", "--longitude", "1"};
        QTest::newRow("latitude 91") << QStringList{"sun", "--latitude=91", "--longitude=1"};
        QTest::newRow("longitude -181")
            << QStringList{"sun", "--latitude", "1", "--longitude", "-181"};
        QTest::newRow("instant not a time") << sun + QStringList{"--at", "soon"};
        QTest::newRow("month 13") << sun + QStringList{"--at", "2026-13-01T00:00:00"};
        QTest::newRow("year 20000") << sun + QStringList{"--at", "600000000000000"};
        QTest::newRow("schedule without settings") << QStringList{"schedule"};
        QTest::newRow("settings file missing")
            << QStringList{"schedule", "--settings", "/nonexistent/kavo_settings.ini"};
        QTest::newRow("negative monitor")
            << QStringList{"schedule", "--settings", "SETTINGS", "--monitor", "-1"};
        QTest::newRow("monitor not a number")
            << QStringList{"schedule", "--settings", "SETTINGS", "--monitor", "two"};
        QTest::newRow("status with an argument") << QStringList{"status", "--all"};
        QTest::newRow("status in an unknown format") << QStringList{"status", "--format", "xml"};
        QTest::newRow("follow with a value") << QStringList{"status", "--follow=yes"};
        QTest::newRow("format without a value") << QStringList{"status", "--follow", "--format"};
        QTest::newRow("pause with an argument") << QStringList{"pause", "now"};
        QTest::newRow("unknown mode") << QStringList{"mode", "sleepy"};
        QTest::newRow("mode missing") << QStringList{"mode"};
        QTest::newRow("unknown type") << QStringList{"type", "nosuch"};
        QTest::newRow("type by number") << QStringList{"type", "3"};
        QTest::newRow("location off the globe") << QStringList{"location", "91", "0"};
        QTest::newRow("location longitude") << QStringList{"location", "0", "181"};
        QTest::newRow("location half") << QStringList{"location", "52.5"};
        QTest::newRow("day temperature 20000") << QStringList{"set", "temperature", "day", "20000"};
        QTest::newRow("night brightness 5") << QStringList{"set", "brightness", "night", "5"};
        QTest::newRow("brightness fraction") << QStringList{"set", "brightness", "night", "70.5"};
        QTest::newRow("set colour") << QStringList{"set", "color", "day", "1"};
        QTest::newRow("set at noon") << QStringList{"set", "temperature", "noon", "4000"};
    }

    // Checked before kavoctl talks to anyone: a running Kavo is not needed.
    void badArgumentsGiveOneLineAndStatusTwo()
    {
        QFETCH(QStringList, arguments);
        KavoDesktop desktop;
        QSettings(desktop.path("given.ini"), QSettings::IniFormat).setValue("SaveVersion", "6");
        arguments.replaceInStrings("SETTINGS", desktop.path("given.ini"));
        const Run run = kavoctl(desktop, arguments);
        QCOMPARE(run.status, 2);
        QVERIFY(run.output.isEmpty());
        QVERIFY2(run.error.startsWith("kavoctl: ") || run.error.startsWith("usage:"),
                 run.error.constData());
        if (!arguments.isEmpty())
            QCOMPARE(run.error.count('\n'), 1);
    }

    void helpListsTheCommandsWithTheirRanges_data()
    {
        QTest::addColumn<QString>("asked");
        QTest::newRow("help") << "help";
        QTest::newRow("--help") << "--help";
        QTest::newRow("-h") << "-h";
    }

    void helpListsTheCommandsWithTheirRanges()
    {
        QFETCH(QString, asked);
        KavoDesktop desktop;
        const Run run = kavoctl(desktop, {asked});
        QCOMPARE(run.status, 0);
        for (const char* expected :
             {"kavoctl ramp", "kavoctl status", "--follow", "--format json|waybar", "kavoctl mode",
              "kavoctl set", "kavoctl location", "0..10000", "10..150", "ISO 8601"})
            QVERIFY2(run.output.contains(expected), expected);
    }

    void statusWithoutKavoSaysSoOnStandardOutput()
    {
        KavoDesktop desktop;
        const Run run = kavoctl(desktop, {"status"});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.output, QByteArray("{\"running\":false}\n"));
        const Run pause = kavoctl(desktop, {"pause"});
        QCOMPARE(pause.status, 1);
        QVERIFY(pause.error.contains("not running"));
    }

    void commandsChangeTheRunningKavo()
    {
        KavoDesktop desktop;
        desktop.writeSettings({{"Latitude", 52.52}, {"Longitude", 13.405}});
        auto kavo = desktop.launch();
        QTRY_VERIFY_WITH_TIMEOUT(answers(desktop), 30000);

        const Run status = kavoctl(desktop, {"status"});
        QCOMPARE(status.status, 0);
        QCOMPARE(status.json()["running"].toBool(), true);
        QCOMPARE(status.json()["mode_name"].toString(), QString("automatic"));
        QCOMPARE(status.json()["type_name"].toString(), QString("health"));

        struct Step
        {
            QStringList command;
            const char* key;
            QVariant value;
        };
        const Step steps[] = {
            {{"mode", "manual"}, "mode_name", "manual"},
            {{"type", "reading"}, "type_name", "reading"},
            {{"pause"}, "paused", true},
            {{"resume"}, "paused", false},
            {{"set", "temperature", "day", "4500"}, "mode_name", "manual"},
            {{"set", "brightness", "night", "70"}, "type_name", "reading"},
            {{"location", "40.7", "-74"}, "running", true},
        };
        for (const Step& step : steps) {
            const Run run = kavoctl(desktop, step.command);
            QVERIFY2(run.status == 0, run.error.constData());
            QCOMPARE(run.json()[step.key].toVariant(), step.value);
        }

        kavo->terminate(); // quits as Exit does: the settings are saved
        QVERIFY(kavo->waitForFinished(30000));
        QSettings saved(desktop.settingsFile(), QSettings::IniFormat);
        QCOMPARE(saved.value("KavoMode").toInt(), 2);
        QCOMPARE(saved.value("KavoType").toInt(), 4);
        QCOMPARE(saved.value("DayTemperature").toInt(), 4500);
        QCOMPARE(saved.value("NightBrightness").toInt(), 70);
        QCOMPARE(saved.value("Latitude").toDouble(), 40.7);
        QCOMPARE(saved.value("Longitude").toDouble(), -74.0);
        QCOMPARE(saved.value("UseManualLocation").toBool(), true);
    }

    // A status bar runs kavoctl every few seconds: it starts without the GUI toolkit, the web
    // engine, the vision libraries, the media framework or GIO (GNOME's night light loads it).
    void kavoctlLinksOnlyQtCore()
    {
        QProcess ldd;
        ldd.start(QStringLiteral("ldd"), {KavoDesktop::kavoctlProgram()});
        QVERIFY(ldd.waitForFinished(30000));
        QCOMPARE(ldd.exitCode(), 0);
        const QByteArray libraries = ldd.readAllStandardOutput();
        QVERIFY2(libraries.contains("libQt5Core"), libraries.constData());
        for (const char* heavy :
             {"libQt5Gui", "libQt5Widgets", "libQt5WebKit", "libQt5Network", "libQt5Multimedia",
              "libopencv", "libgst", "libgio-2.0", "libgobject-2.0"})
            QVERIFY2(!libraries.contains(heavy), heavy);
    }

    // What a status bar sees: the status at once, then a line for each change and none for a
    // command that changes nothing; when Kavo ends, kavoctl ends with status 1.
    void followPrintsALinePerChangeUntilKavoEnds()
    {
        KavoDesktop desktop(kStoppedClock);
        auto kavo = desktop.launch();
        QTRY_VERIFY_WITH_TIMEOUT(answers(desktop), 30000);
        auto follow = desktop.startKavoctl({"status", "--follow"});
        FollowedLines followed(*follow);
        QTRY_VERIFY_WITH_TIMEOUT(followed.count() >= 1, 10000);
        QCOMPARE(followed.lines().first()["running"].toBool(), true);

        for (const char* mode : {"manual", "manual", "automatic"}) {
            const Run run = kavoctl(desktop, {"mode", mode});
            QVERIFY2(run.status == 0, run.error.constData());
            QTRY_COMPARE_WITH_TIMEOUT(
                followed.count() > 0 && followed.lines().last()["mode_name"] == QLatin1String(mode),
                true, 10000);
        }
        QCOMPARE(followed.changesOf("mode_name"),
                 QStringList({"automatic", "manual", "automatic"}));
        // Only changes are sent: no line repeats the one before it.
        for (int i = 1; i < followed.lines().size(); ++i)
            QVERIFY2(followed.lines().at(i) != followed.lines().at(i - 1),
                     QJsonDocument(followed.lines().at(i)).toJson().constData());

        kavo->terminate();
        QVERIFY(kavo->waitForFinished(30000));
        QVERIFY(follow->waitForFinished(30000));
        QCOMPARE(follow->exitStatus(), QProcess::NormalExit);
        QCOMPARE(follow->exitCode(), 1);
    }

    void followWithoutKavoSaysSoAndEnds()
    {
        KavoDesktop desktop;
        const Run run = kavoctl(desktop, {"status", "--follow"});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.output, QByteArray("{\"running\":false}\n"));
    }

    // waybar's custom module form, once and followed.
    void waybarFormatGivesTextTooltipAndClass()
    {
        KavoDesktop desktop(kStoppedClock);
        const Run absent = kavoctl(desktop, {"status", "--format", "waybar"});
        QCOMPARE(absent.status, 1);
        QCOMPARE(absent.json()["class"].toString(), QString("not-running"));
        QCOMPARE(absent.json()["text"].toString(), QString());

        auto kavo = desktop.launch();
        QTRY_VERIFY_WITH_TIMEOUT(answers(desktop), 30000);
        QCOMPARE(kavoctl(desktop, {"pause"}).status, 0);
        const Run paused = kavoctl(desktop, {"status", "--format=waybar"});
        QCOMPARE(paused.status, 0);
        QCOMPARE(paused.json().keys(), QStringList({"class", "text", "tooltip"}));
        QCOMPARE(paused.json()["class"].toString(), QString("paused"));
        QCOMPARE(paused.json()["text"].toString(), QString("paused"));
        QVERIFY(paused.json()["tooltip"].toString().startsWith("Kavo: automatic, health"));

        auto follow = desktop.startKavoctl({"status", "--follow", "--format", "waybar"});
        FollowedLines followed(*follow);
        QTRY_VERIFY_WITH_TIMEOUT(followed.count() >= 1, 10000);
        QCOMPARE(followed.lines().first()["class"].toString(), QString("paused"));
        QCOMPARE(kavoctl(desktop, {"resume"}).status, 0);
        QTRY_VERIFY_WITH_TIMEOUT(followed.count() >= 2, 10000);
        const QJsonObject resumed = followed.lines().last();
        QCOMPARE(resumed["class"].toString(), QString("automatic"));
        QVERIFY2(QRegularExpression("^\\d+K \\d+%$").match(resumed["text"].toString()).hasMatch(),
                 qPrintable(resumed["text"].toString()));

        kavo->terminate();
        QVERIFY(follow->waitForFinished(30000));
        QCOMPARE(follow->exitCode(), 1);
    }

    // A peer that accepts and never answers: kavoctl gives up by itself.
    void stalledKavoDoesNotHangKavoctl_data()
    {
        QTest::addColumn<QString>("socket");
        QTest::addColumn<QStringList>("command");
        QTest::newRow("status") << "VelmoraKavo.status" << QStringList{"status"};
        QTest::newRow("follow") << "VelmoraKavo.status.follow" << QStringList{"status", "--follow"};
        QTest::newRow("mode") << "VelmoraKavo" << QStringList{"mode", "manual"};
    }

    void stalledKavoDoesNotHangKavoctl()
    {
        QFETCH(QString, socket);
        QFETCH(QStringList, command);
        KavoDesktop desktop;
        QLocalServer stalled;
        QVERIFY(stalled.listen(desktop.path("runtime/" + socket)));
        auto process = desktop.kavoctl(command);
        const Run run = finished(*process);
        QCOMPARE(run.status, 1);
        QVERIFY(run.output.isEmpty());
        QVERIFY(run.error.contains("did not answer"));
    }
};

QTEST_GUILESS_MAIN(TestKavoctl)
#include "tst_kavoctl.moc"
