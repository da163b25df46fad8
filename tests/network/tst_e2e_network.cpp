// The real kavo with servers of the test's own named by the environment: it announces the
// newer version, finds its location through the geolocation server, keeps it in the settings
// file, and reports nothing without an analytics address.
#include "KavoProcess.h"
#include "LocalHttpServer.h"

#include <QSettings>

#include <QtTest>
#include <algorithm>

class TestE2eNetwork : public QObject
{
    Q_OBJECT

private slots:
    void kavoUsesTheServersItIsGiven()
    {
        LocalHttpServer server;
        QVERIFY(server.listening());
        server.answer("/version.txt",
                      "Linux version:9.1\nx\ny\nLinux download : https://d.example/kavo-9.1\n");
        server.answer(
            "/custom-code/ip-to-location/",
            R"({"lat": 35.6895, "lon": 139.6917, "country": "Japan", "countryCode": "JP"})");
        KavoDesktop desktop;
        desktop.writeSettings({{"CheckForUpdates", true}, {"IsFirstStart", false}});
        desktop.setEnvironment(QStringLiteral("KAVO_UPDATE_URL"), server.url().toString());
        desktop.setEnvironment(QStringLiteral("KAVO_GEOLOCATION_URL"), server.url().toString());
        desktop.setEnvironment(QStringLiteral("KAVO_ANALYTICS_URL"), QString());

        auto kavo = desktop.launch();
        QVERIFY(kavo->waitForStarted());
        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT(
            (output += kavo->readAllStandardOutput()).contains("Kavo has a new version 9.1"),
            60000);
        QTRY_COMPARE_WITH_TIMEOUT(server.requests().size(), 2, 60000);
        QVERIFY(output.contains("Usage reporting is off"));

        // The location is stored as soon as it is found.
        QTRY_COMPARE_WITH_TIMEOUT(
            QSettings(desktop.settingsFile(), QSettings::IniFormat).value("Latitude").toDouble(),
            35.6895, 60000);
        kavo->terminate();
        QVERIFY(kavo->waitForFinished(60000));
        const QSettings settings(desktop.settingsFile(), QSettings::IniFormat);
        QCOMPARE(settings.value("Longitude").toDouble(), 139.6917);
        QList<QByteArray> paths = server.paths();
        std::sort(paths.begin(), paths.end());
        QCOMPARE(paths, (QList<QByteArray>{"/custom-code/ip-to-location/", "/version.txt"}));
    }
};

QTEST_MAIN(TestE2eNetwork)
#include "tst_e2e_network.moc"
