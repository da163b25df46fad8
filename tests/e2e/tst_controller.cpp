#include "KavoProcess.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

// A real kavo on a simulated desktop at night: after its start glide every monitor holds the
// ramp kavoctl computes for the scheduled colours, and kavoctl status says the same.
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
        QTRY_COMPARE_WITH_TIMEOUT(status(desktop)["monitors"].toArray(), QJsonArray{night},
                                  20000);
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
