#include "KavoProcess.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

// "kavo --show_ui", as "make run" starts it: the main window comes up on its own, after the
// colours are on the screen.
class TestMainWindowLaunch : public QObject
{
    Q_OBJECT

private:
    static QJsonObject state(const KavoDesktop& desktop)
    {
        QFile file(desktop.path(QStringLiteral("state.json")));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    static QJsonObject mainWindow(const KavoDesktop& desktop)
    {
        for (const QJsonValue& window : state(desktop)["windows"].toArray()) {
            if (window["class"].toString() == QLatin1String("App"))
                return window.toObject();
        }
        return {};
    }

private slots:
    void showUiOpensTheMainWindow()
    {
        KavoDesktop desktop;
        desktop.writeSettings({{"UiScale", 1}});
        auto kavo = desktop.launch({QStringLiteral("--show_ui")});
        QVERIFY(kavo->waitForStarted());

        QTRY_COMPARE_WITH_TIMEOUT(mainWindow(desktop)["title"].toString(), QStringLiteral("Kavo"),
                                  20000);
        QCOMPARE(mainWindow(desktop)["width"].toInt(), 520);
        QCOMPARE(mainWindow(desktop)["height"].toInt(), 500);
        QCOMPARE(state(desktop)["front_window"].toString(), QStringLiteral("Kavo"));

        kavo->terminate();
        QVERIFY(kavo->waitForFinished(20000));
        QCOMPARE(kavo->exitCode(), 0);
    }

    void colorsComeBeforeTheTrayAndTheWindow_data()
    {
        QTest::addColumn<bool>("optimizeUiCreation");
        QTest::newRow("window made at start") << false;
        QTest::newRow("window made when shown") << true;
    }

    // Colours first: the desktop's first ramp is written before the tray icon or any window
    // appears (the simulated desktop lists its services in the order Kavo first used them).
    void colorsComeBeforeTheTrayAndTheWindow()
    {
        QFETCH(bool, optimizeUiCreation);
        KavoDesktop desktop;
        desktop.writeSettings({{"OptimizeUiCreation", optimizeUiCreation}});
        auto kavo = desktop.launch({QStringLiteral("--show_ui")});
        QVERIFY(kavo->waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(mainWindow(desktop)["title"].toString(), QStringLiteral("Kavo"),
                                  20000);
        QTRY_VERIFY_WITH_TIMEOUT(state(desktop)["tray"].toObject()["visible"].toBool(), 20000);

        QStringList order;
        for (const QJsonValue& service : state(desktop)["first_changes"].toArray())
            order.append(service.toString());
        const int ramps = order.indexOf(QStringLiteral("displays"));
        QVERIFY2(ramps >= 0, qPrintable(order.join(' ')));
        QVERIFY2(ramps < order.indexOf(QStringLiteral("tray")), qPrintable(order.join(' ')));
        QVERIFY2(ramps < order.indexOf(QStringLiteral("windows")), qPrintable(order.join(' ')));

        kavo->terminate();
        QVERIFY(kavo->waitForFinished(20000));
    }
};

QTEST_MAIN(TestMainWindowLaunch)
#include "tst_main_window.moc"
