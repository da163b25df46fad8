// Finding the computer's location: the geolocation server's answers (from a server of the
// test's own), the order of the desktop's service and the server, and GeoClue2 over D-Bus on a
// private bus (played by the test, or absent).
#include "FakeGeoClue.h"
#include "KavoLogBuffer.h"
#include "LocalHttpServer.h"
#include "PrivateBus.h"
#include "network/LocationLookup.h"
#include "platform/linux/GeoClueLocation.h"
#include "platform/sim/SimLocation.h"

#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QtTest>

namespace {
const QByteArray kPath = "/custom-code/ip-to-location/";
const QByteArray kParis =
    R"({"lat": 48.8566, "lon": 2.3522, "country": "France", "countryCode": "FR"})";

// A lookup through a network manager of its own, as the controller wires it.
struct Lookup
{
    Lookup(ILocation& desktop, const QUrl& server, int timeoutMs = 500)
        : lookup([this]() -> QNetworkAccessManager& { return network; }, desktop, server,
                 timeoutMs),
          found(&lookup, &LocationLookup::found),
          countries(&lookup, &LocationLookup::country_found),
          finished(&lookup, &LocationLookup::finished),
          serverAsked(&lookup, &LocationLookup::server_asked)
    {
        QObject::connect(&network, &QNetworkAccessManager::finished, &lookup,
                         &LocationLookup::handle_reply);
    }

    QNetworkAccessManager network;
    LocationLookup lookup;
    QSignalSpy found;
    QSignalSpy countries;
    QSignalSpy finished;
    QSignalSpy serverAsked;
};

// The simulated desktop's location service, with or without a location.
std::unique_ptr<SimLocation> desktop_location(const QJsonObject& location = {})
{
    auto service = std::make_unique<SimLocation>();
    QJsonObject config;
    if (!location.isEmpty())
        config.insert(QStringLiteral("location"), location);
    service->configure(config);
    return service;
}
} // namespace

class TestGeolocation : public QObject
{
    Q_OBJECT

private slots:
    void theServersAnswer_data()
    {
        QTest::addColumn<LocalHttpServer::Response>("response");
        QTest::addColumn<bool>("found");
        QTest::addColumn<int>("requests");
        using Response = LocalHttpServer::Response;
        QTest::newRow("good") << Response{200, kParis, {}, false} << true << 1;
        QTest::newRow("without the country")
            << Response{200, R"({"lat": -33.87, "lon": 151.21})", {}, false} << true << 1;
        QTest::newRow("missing lat") << Response{200, R"({"lon": 2.35})", {}, false} << false << 1;
        QTest::newRow("numbers as text")
            << Response{200, R"({"lat": "48.8", "lon": "2.3"})", {}, false} << false << 1;
        QTest::newRow("latitude out of range")
            << Response{200, R"({"lat": 91, "lon": 2})", {}, false} << false << 1;
        QTest::newRow("longitude out of range")
            << Response{200, R"({"lat": 10, "lon": -180.5})", {}, false} << false << 1;
        QTest::newRow("not JSON") << Response{200, "<html>busy</html>", {}, false} << false << 1;
        QTest::newRow("server error") << Response{503, kParis, {}, false} << false << 1;
        QTest::newRow("redirect once") << Response{302, {}, "/v2/location", false} << true << 2;
        QTest::newRow("redirect loop") << Response{302, {}, kPath, false} << false << 6;
        QTest::newRow("no answer in time") << Response{200, {}, {}, true} << false << 1;
    }

    void theServersAnswer()
    {
        QFETCH(LocalHttpServer::Response, response);
        QFETCH(bool, found);
        QFETCH(int, requests);
        LocalHttpServer server;
        QVERIFY(server.listening());
        server.answer(kPath, response);
        server.answer("/v2/location", kParis);
        auto desktop = desktop_location();
        Lookup lookup(*desktop, server.url());

        lookup.lookup.start();
        QTRY_COMPARE_WITH_TIMEOUT(lookup.finished.count(), 1, 20000);
        QCOMPARE(lookup.finished.at(0).at(0).toBool(), found);
        QCOMPARE(lookup.found.count(), found ? 1 : 0);
        QCOMPARE(lookup.serverAsked.count(), 1);
        QCOMPARE(server.requests().size(), requests);
        QVERIFY(!lookup.lookup.is_searching());
    }

    void theServerNamesTheCountry()
    {
        LocalHttpServer server;
        server.answer(kPath, kParis);
        auto desktop = desktop_location();
        Lookup lookup(*desktop, server.url());
        lookup.lookup.start();
        QTRY_COMPARE_WITH_TIMEOUT(lookup.finished.count(), 1, 20000);
        QCOMPARE(lookup.found.at(0), (QList<QVariant>{48.8566, 2.3522}));
        QCOMPARE(lookup.countries.at(0), (QList<QVariant>{"France", "FR"}));
    }

    void theDesktopsServiceComesFirst()
    {
        LocalHttpServer server;
        server.answer(kPath, kParis);
        auto desktop = desktop_location({{"latitude", 59.33}, {"longitude", 18.07}});
        Lookup lookup(*desktop, server.url());
        lookup.lookup.start();
        QVERIFY(lookup.lookup.is_searching());
        QTRY_COMPARE_WITH_TIMEOUT(lookup.finished.count(), 1, 20000);
        QCOMPARE(lookup.found.at(0), (QList<QVariant>{59.33, 18.07}));
        QCOMPARE(lookup.serverAsked.count(), 0);
        QCOMPARE(server.requests().size(), 0);
    }

    void oneLookupAtATime()
    {
        LocalHttpServer server;
        server.answer(kPath, kParis);
        auto desktop = desktop_location();
        Lookup lookup(*desktop, server.url());
        lookup.lookup.start();
        lookup.lookup.start();
        QTRY_COMPARE_WITH_TIMEOUT(lookup.finished.count(), 1, 20000);
        QCOMPARE(server.requests().size(), 1);
        // Another lookup may start once the first is over.
        lookup.lookup.start();
        QTRY_COMPARE_WITH_TIMEOUT(lookup.finished.count(), 2, 20000);
        QCOMPARE(server.requests().size(), 2);
    }

    void withoutAServerTheLookupEndsAtTheDesktop()
    {
        auto desktop = desktop_location();
        Lookup lookup(*desktop, QUrl());
        QSignalSpy lines(&KavoLogBuffer::instance(), &KavoLogBuffer::line_logged);
        for (int attempt = 1; attempt <= 2; ++attempt) {
            lookup.lookup.start();
            QTRY_COMPARE_WITH_TIMEOUT(lookup.finished.count(), attempt, 20000);
        }
        QCOMPARE(lookup.found.count(), 0);
        QCOMPARE(lookup.serverAsked.count(), 0);
        int off = 0;
        for (const QList<QVariant>& line : lines)
            off += line.at(0).toString().startsWith(
                QLatin1String("Geolocation through a server is off"));
        QCOMPARE(off, 1);
    }

    void geoClueFindsTheLocation()
    {
        PrivateBus bus;
        QVERIFY(bus.start());
        FakeGeoClue geoclue;
        geoclue.location.latitude = 51.5072;
        geoclue.location.longitude = -0.1276;
        QVERIFY(geoclue.registerOn(bus.connect(QStringLiteral("geoclue"))));
        GeoClueLocation desktop(bus.connect(QStringLiteral("kavo")));
        LocalHttpServer server;
        server.answer(kPath, kParis);
        Lookup lookup(desktop, server.url());

        lookup.lookup.start();
        QTRY_COMPARE_WITH_TIMEOUT(lookup.finished.count(), 1, 20000);
        QCOMPARE(lookup.found.at(0), (QList<QVariant>{51.5072, -0.1276}));
        QCOMPARE(server.requests().size(), 0);
        QCOMPARE(geoclue.client.desktopId, QStringLiteral("com.velmora.Kavo"));
        QCOMPARE(geoclue.client.accuracy, 4u);
        QCOMPARE(geoclue.client.starts, 1);
        QTRY_COMPARE_WITH_TIMEOUT(geoclue.client.stops, 1, 20000);
    }

    // Without GeoClue2, or with one that refuses Kavo or finds nothing in time, the
    // geolocation server is next.
    void theServerFollowsGeoClue_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<bool>("silent");
        QTest::newRow("no GeoClue2 on the bus") << false << false << false;
        QTest::newRow("GeoClue2 refuses") << true << true << false;
        QTest::newRow("GeoClue2 finds nothing in time") << true << false << true;
    }

    void theServerFollowsGeoClue()
    {
        QFETCH(bool, present);
        QFETCH(bool, refuse);
        QFETCH(bool, silent);
        PrivateBus bus;
        QVERIFY(bus.start());
        FakeGeoClue geoclue;
        geoclue.client.refuse = refuse;
        geoclue.client.silent = silent;
        if (present)
            QVERIFY(geoclue.registerOn(bus.connect(QStringLiteral("geoclue"))));
        GeoClueLocation desktop(bus.connect(QStringLiteral("kavo")), 500);
        LocalHttpServer server;
        server.answer(kPath, kParis);
        Lookup lookup(desktop, server.url());

        lookup.lookup.start();
        QTRY_COMPARE_WITH_TIMEOUT(lookup.finished.count(), 1, 20000);
        QCOMPARE(lookup.found.at(0), (QList<QVariant>{48.8566, 2.3522}));
        QCOMPARE(server.requests().size(), 1);
        if (present)
            QTRY_COMPARE_WITH_TIMEOUT(geoclue.client.stops, 1, 20000);
    }

    void withoutABusTheServerIsNext()
    {
        GeoClueLocation desktop(QDBusConnection::connectToBus(
            QStringLiteral("unix:path=/nonexistent/kavo-bus"), QStringLiteral("nowhere")));
        LocalHttpServer server;
        server.answer(kPath, kParis);
        Lookup lookup(desktop, server.url());
        lookup.lookup.start();
        QTRY_COMPARE_WITH_TIMEOUT(lookup.finished.count(), 1, 20000);
        QCOMPARE(lookup.found.count(), 1);
        QDBusConnection::disconnectFromBus(QStringLiteral("nowhere"));
    }
};

QTEST_MAIN(TestGeolocation)
#include "tst_geolocation.moc"
