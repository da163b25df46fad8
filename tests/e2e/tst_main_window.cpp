#include "KavoProcess.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

// "kavo --show_ui", as "make run" starts it: the main window comes up on its own.
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
};

QTEST_MAIN(TestMainWindowLaunch)
#include "tst_main_window.moc"
