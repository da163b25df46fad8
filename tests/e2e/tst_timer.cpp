// A real kavo on a simulated desktop of two monitors with a one-minute work time: the rest
// windows come on both monitors and go again, and "kavoctl status" shows the phases in turn.
#include "KavoProcess.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

class TestTimer : public QObject
{
    Q_OBJECT

private:
    static QJsonObject timerStatus(const KavoDesktop& desktop)
    {
        auto process = desktop.kavoctl({"status"});
        if (process->exitCode() != 0)
            return {};
        return QJsonDocument::fromJson(process->readAllStandardOutput())
            .object()["timer"]
            .toObject();
    }

    static int restWindows(const KavoDesktop& desktop)
    {
        QFile file(desktop.path("state.json"));
        if (!file.open(QIODevice::ReadOnly))
            return -1;
        int count = 0;
        for (const QJsonValue& window :
             QJsonDocument::fromJson(file.readAll()).object()["windows"].toArray())
            count += window.toObject()["class"].toString() == QLatin1String("RestScreenSimple");
        return count;
    }

private slots:
    void aMinuteOfWorkThenARestOnEveryMonitor()
    {
        KavoDesktop desktop(R"({"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080},
                                             {"x": 1920, "y": 0, "width": 1280, "height": 1024}]})");
        desktop.writeSettings({{"TimerType", 2},
                               {"TimerPaused", false},
                               {"WorkTime", 1},
                               {"RestTime", 5},
                               {"RestScreenType", 2}});
        auto kavo = desktop.launch();
        QVERIFY(kavo->waitForStarted());

        QTRY_COMPARE_WITH_TIMEOUT(timerStatus(desktop)["phase"].toString(), QStringLiteral("work"),
                                  20000);
        const QJsonObject working = timerStatus(desktop);
        QCOMPARE(working["type"].toInt(), 2);
        QCOMPARE(working["paused"].toBool(), false);
        QVERIFY(working["remaining_work_s"].toInt() <= 60);

        QTRY_COMPARE_WITH_TIMEOUT(restWindows(desktop), 2, 120000);
        QCOMPARE(timerStatus(desktop)["phase"].toString(), QStringLiteral("rest"));
        QVERIFY(timerStatus(desktop)["remaining_rest_s"].toInt() <= 5);

        QTRY_COMPARE_WITH_TIMEOUT(restWindows(desktop), 0, 30000);
        QCOMPARE(timerStatus(desktop)["phase"].toString(), QStringLiteral("work"));

        kavo->terminate();
        QVERIFY(kavo->waitForFinished(20000));
        QCOMPARE(kavo->exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTimer)
#include "tst_timer.moc"
