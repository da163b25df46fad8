#include "KavoProcess.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QtTest>

// A real kavo on a simulated desktop: after its start glide every monitor holds the ramp
// kavoctl computes for the scheduled colours, and kavoctl status says the same; a colour
// shortcut steps the colour that is shown.
class TestController : public QObject
{
    Q_OBJECT

private:
    static QByteArray nightDesktop()
    {
        const qint64 night =
            QDateTime::fromString("2026-06-10T21:30:00", Qt::ISODate).toMSecsSinceEpoch();
        return QStringLiteral(R"({"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080},
                                               {"x": 1920, "y": 0, "width": 2560, "height": 1440}],
                                  "clock": {"now": %1, "running": false}})")
            .arg(night)
            .toUtf8();
    }

    static QJsonObject json(QProcess& process)
    {
        return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    }

    static QJsonObject status(const KavoDesktop& desktop)
    {
        auto process = desktop.kavoctl({"status"});
        return process->exitCode() == 0 ? json(*process) : QJsonObject();
    }

    // One monitor, at noon: the schedule would show the day values.
    static QByteArray noonDesktop(const QJsonArray& input = {})
    {
        const qint64 noon =
            QDateTime::fromString("2026-06-10T12:00:00", Qt::ISODate).toMSecsSinceEpoch();
        QJsonObject config{
            {"monitors",
             QJsonArray{QJsonObject{{"x", 0}, {"y", 0}, {"width", 1920}, {"height", 1080}}}},
            {"clock", QJsonObject{{"now", noon}, {"running", false}}}};
        if (!input.isEmpty())
            config.insert("input", input);
        return QJsonDocument(config).toJson();
    }

    static void setDesktop(const KavoDesktop& desktop, const QByteArray& config)
    {
        QFile file(desktop.path("desktop.json"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(config);
    }

    static QJsonObject shownColour(const KavoDesktop& desktop)
    {
        return status(desktop)["monitors"].toArray().at(0).toObject();
    }

    // The ramp kavoctl computes for a colour.
    static QJsonObject ramp(const KavoDesktop& desktop, int temperature, int brightness)
    {
        auto process = desktop.kavoctl({"ramp", "--temperature", QString::number(temperature),
                                        "--brightness", QString::number(brightness)});
        return process->exitCode() == 0 ? json(*process) : QJsonObject();
    }

    static QJsonObject colour(int temperature, int brightness)
    {
        return {{"monitor", 0}, {"temperature", temperature}, {"brightness", brightness}};
    }

    static QJsonObject stateOfMonitor(const KavoDesktop& desktop, int index)
    {
        QFile file(desktop.path("state.json"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QJsonArray monitors =
            QJsonDocument::fromJson(file.readAll()).object()["monitors"].toArray();
        return monitors.at(index).toObject()["ramp"].toObject();
    }

private slots:
    void endsOnTheScheduledRamp()
    {
        KavoDesktop desktop(nightDesktop());
        desktop.writeSettings({{"PreserveGamma", false},
                               {"UseLowLevelColorApi", true},
                               {"SmoothColorsUpdateInterval", 5},
                               {"PauseTransitionDuration", 200}});
        auto kavo = desktop.launch();
        QVERIFY(kavo->waitForStarted());

        const QJsonObject night{{"monitor", 0}, {"temperature", 3400}, {"brightness", 80}};
        QTRY_COMPARE_WITH_TIMEOUT(status(desktop)["monitors"].toArray(), QJsonArray{night}, 20000);
        const QJsonObject shown = status(desktop);
        QCOMPARE(shown["mode"].toInt(), 1);
        QCOMPARE(shown["type"].toInt(), 1);
        QCOMPARE(shown["paused"].toBool(), false);

        auto ramp = desktop.kavoctl({"ramp", "--temperature", "3400", "--brightness", "80"});
        QCOMPARE(ramp->exitCode(), 0);
        const QJsonObject expected = json(*ramp);
        QTRY_COMPARE_WITH_TIMEOUT(stateOfMonitor(desktop, 0), expected, 20000);
        QCOMPARE(stateOfMonitor(desktop, 1), expected);

        kavo->terminate();
        QVERIFY(kavo->waitForFinished(20000));
        QCOMPARE(kavo->exitCode(), 0);
    }

    // Manual colours show the night values at noon; a step moves the value shown, and the
    // screen follows it (no jump to the day values of the schedule), in both views.
    void aColourShortcutStepsTheShownColour_data()
    {
        QTest::addColumn<QVariantMap>("view");
        QTest::addColumn<QString>("down");
        QTest::addColumn<QString>("up");
        QTest::addColumn<int>("temperatureStep");
        QTest::addColumn<int>("brightnessStep");

        const QVariantMap advanced{{"AdvancedView", true},
                                   {"UseManualColorSettings", true},
                                   {"UseManualBrightness", true}};
        // As the simple view's manual mode leaves them.
        const QVariantMap simpleManual{{"AdvancedView", false},
                                       {"KavoMode", 2},
                                       {"UseManualColorSettings", true},
                                       {"UseManualBrightness", true}};
        QTest::newRow("advanced view, temperature") << advanced << "Ctrl+Alt+Down"
                                                    << "Ctrl+Alt+Up" << 500 << 0;
        QTest::newRow("advanced view, brightness") << advanced << "Ctrl+Alt+PgDown"
                                                   << "Ctrl+Alt+PgUp" << 0 << 10;
        QTest::newRow("simple view, manual mode, temperature") << simpleManual << "Ctrl+Alt+Down"
                                                               << "Ctrl+Alt+Up" << 500 << 0;
        QTest::newRow("simple view, manual mode, brightness") << simpleManual << "Ctrl+Alt+PgDown"
                                                              << "Ctrl+Alt+PgUp" << 0 << 10;
    }

    void aColourShortcutStepsTheShownColour()
    {
        QFETCH(QVariantMap, view);
        QFETCH(QString, down);
        QFETCH(QString, up);
        QFETCH(int, temperatureStep);
        QFETCH(int, brightnessStep);
        KavoDesktop desktop(noonDesktop());
        QVariantMap settings{{"UseKeyboardShortcuts", true},    {"PreserveGamma", false},
                             {"UseLowLevelColorApi", true},     {"KavoType", 0},
                             {"DayTemperature", 5000},          {"DayBrightness", 100},
                             {"NightTemperature", 3000},        {"NightBrightness", 80},
                             {"SmoothColorsUpdateInterval", 5}, {"PauseTransitionDuration", 200}};
        settings.insert(view);
        desktop.writeSettings(settings);
        auto kavo = desktop.launch();
        QVERIFY(kavo->waitForStarted());
        // Manual colours: the night values at noon.
        const int temperature = 3000;
        const int brightness = 80;
        const QJsonObject firstRamp = ramp(desktop, temperature, brightness);
        QTRY_COMPARE_WITH_TIMEOUT(stateOfMonitor(desktop, 0), firstRamp, 20000);
        QCOMPARE(shownColour(desktop), colour(temperature, brightness));

        QJsonArray input{QJsonObject{{"key", down}}};
        setDesktop(desktop, noonDesktop(input));
        const int stepped = temperature - temperatureStep;
        const int dimmed = brightness - brightnessStep;
        const QJsonObject steppedRamp = ramp(desktop, stepped, dimmed);
        QTRY_COMPARE_WITH_TIMEOUT(stateOfMonitor(desktop, 0), steppedRamp, 20000);
        QCOMPARE(shownColour(desktop), colour(stepped, dimmed));

        input.append(QJsonObject{{"key", up}});
        setDesktop(desktop, noonDesktop(input));
        QTRY_COMPARE_WITH_TIMEOUT(stateOfMonitor(desktop, 0), firstRamp, 20000);
        QCOMPARE(shownColour(desktop), colour(temperature, brightness));

        kavo->terminate();
        QVERIFY(kavo->waitForFinished(20000));
        QSettings stored(desktop.settingsFile(), QSettings::IniFormat);
        QCOMPARE(stored.value("DayTemperature").toInt(), 5000);
        QCOMPARE(stored.value("DayBrightness").toInt(), 100);
    }

    void statusWithoutKavoFails()
    {
        KavoDesktop desktop;
        auto process = desktop.kavoctl({"status"});
        QCOMPARE(process->exitCode(), 1);
        QCOMPARE(json(*process), (QJsonObject{{"running", false}}));
    }
};

QTEST_GUILESS_MAIN(TestController)
#include "tst_controller.moc"
