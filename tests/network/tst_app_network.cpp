// The controller's location, update check and usage reporting on the simulated desktop, with
// servers of the test's own and the real main window: what the simple view and the location
// page show and send, when Kavo asks the update server, and when it reports usage.
#include "AppFixture.h"
#include "LocalHttpServer.h"
#include "MainPage.h"
#include "network/Translator.h"
#include "network/Updater.h"
#include "network/Utils.h"
#include "schedule/TransitionSchedule.h"
#include "screens/KavoMessageBox.h"

#include <QApplication>
#include <QJsonObject>
#include <QtTest>

namespace {
const QByteArray kNoLocation = R"({"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080}]})";
const QByteArray kStockholm = R"({"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080}],
                                  "location": {"latitude": 59.33, "longitude": 18.07}})";
const QByteArray kGeolocationPath = "/custom-code/ip-to-location/";
const QString kUnknown = QStringLiteral("Location unknown: set it by hand");
const QString kCurrent = QStringLiteral("1.0.0");

QByteArray version_file(const QByteArray& version)
{
    return "Linux version:" + version + "\nx\ny\nLinux download : https://d.example/kavo\n";
}
} // namespace

class TestAppNetwork : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_fixture;
    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<Updater> m_updater;
    std::unique_ptr<Utils> m_utils;
    std::unique_ptr<MainPage> m_window;

    App& app() { return m_fixture->app(); }

    void start(const QByteArray& desktop, const QVariantMap& settings = {})
    {
        m_fixture = std::make_unique<AppFixture>(desktop);
        // The normal display scale: page coordinates are the window's.
        QVariantMap with_scale = settings;
        with_scale.insert(QStringLiteral("UiScale"), 1);
        m_fixture->start(with_scale);
        m_window = std::make_unique<MainPage>(app());
    }

    // The geolocation server is the test's own.
    void serve_location(const QByteArray& answer)
    {
        m_server->answer(kGeolocationPath, answer);
        qputenv("KAVO_GEOLOCATION_URL", m_server->url().toString().toUtf8());
    }

    int location_requests() const
    {
        return m_fixture->desktop().state().value(QStringLiteral("location_requests")).toInt();
    }

    QString geolocation_shown() { return m_window->text_of(QStringLiteral("#geolocation")); }

private slots:
    void init()
    {
        m_server = std::make_unique<LocalHttpServer>();
        QVERIFY(m_server->listening());
    }

    void cleanup()
    {
        m_window.reset();
        m_fixture.reset();
        m_updater.reset();
        m_utils.reset();
        m_server.reset();
        qunsetenv("KAVO_GEOLOCATION_URL");
        KavoMessageBox::setTestAnswer(std::nullopt);
        KavoMessageBox::testMessages().clear();
    }

    void withoutALocationTheSimpleViewSaysSo()
    {
        start(kNoLocation);
        QVERIFY(m_window->show());
        QTRY_COMPARE(geolocation_shown(), kUnknown);
        QVERIFY(TransitionSchedule::usesClockSchedule(app().settings_map(), app().location()));
        QVERIFY(m_window->open_page(QStringLiteral("Location")));
        QCOMPARE(m_window->text_of(QStringLiteral("#page-host .location-text")), kUnknown);
        // Empty fields to type into, not the -1 that marks an unknown coordinate.
        for (const char* field : {"latitude", "longitude"}) {
            const QString value =
                m_window
                    ->js(QStringLiteral(
                             "document.querySelector('#page-host [data-setting=%1]').value")
                             .arg(QLatin1String(field)))
                    .toString();
            QVERIFY2(value.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(field, value)));
        }
    }

    void theDesktopsLocationIsKeptAndShown()
    {
        start(kStockholm);
        QTRY_COMPARE(app().location().latitude, 59.33);
        QCOMPARE(app().location().longitude, 18.07);
        QCOMPARE(m_fixture->stored(QStringLiteral("Latitude")).toDouble(), 59.33);
        QCOMPARE(m_fixture->stored(QStringLiteral("Longitude")).toDouble(), 18.07);
        QVERIFY(!TransitionSchedule::usesClockSchedule(app().settings_map(), app().location()));
        QVERIFY(m_window->show());
        QTRY_COMPARE(geolocation_shown(), QStringLiteral("59.33, 18.07"));
        QVERIFY(m_window->open_page(QStringLiteral("Location")));
        QCOMPARE(m_window->js("document.querySelector('#page-host [data-setting=latitude]').value")
                     .toString(),
                 QStringLiteral("59.33"));
        // Looked up, not typed in: the fields are for reading until "Manual location" is on.
        QVERIFY(
            m_window->js("document.querySelector('#page-host [data-setting=latitude]').disabled")
                .toBool());
    }

    // The server comes after the desktop's service; on the first start the country it names
    // chooses the language.
    void theServerFindsTheLocation_data()
    {
        QTest::addColumn<QVariantMap>("settings");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("language");
        const QByteArray sofia =
            R"({"lat": 42.6977, "lon": 23.3219, "country": "Bulgaria", "countryCode": "BG"})";
        const QByteArray sofia_by_code = R"({"lat": 42.6977, "lon": 23.3219, "countryCode": "BG"})";
        const QByteArray berlin =
            R"({"lat": 52.52, "lon": 13.405, "country": "Germany", "countryCode": "DE"})";
        QTest::newRow("first start in Bulgaria") << QVariantMap() << sofia << "bg";
        QTest::newRow("first start, the code only") << QVariantMap() << sofia_by_code << "bg";
        QTest::newRow("first start in Germany") << QVariantMap() << berlin << "en";
        QTest::newRow("a later start keeps the language")
            << QVariantMap{{"IsFirstStart", false}, {"Language", "ru"}} << sofia << "ru";
    }

    void theServerFindsTheLocation()
    {
        QFETCH(QVariantMap, settings);
        QFETCH(QByteArray, answer);
        QFETCH(QString, language);
        serve_location(answer);
        start(kNoLocation, settings);
        QTRY_VERIFY(app().location().latitude != -1.0);
        QCOMPARE(m_server->paths(), QList<QByteArray>{kGeolocationPath});
        QCOMPARE(app().settings_map().value("Language").toString(), language);
        QCOMPARE(app().translator().language_code(), language);
        QCOMPARE(m_fixture->stored(QStringLiteral("Language")).toString(), language);
    }

    void aTypedInLocationIsNeverReplaced()
    {
        serve_location(R"({"lat": 1, "lon": 2})");
        start(kStockholm,
              {{"UseManualLocation", true}, {"Latitude", 48.8566}, {"Longitude", 2.3522}});
        QVERIFY(m_window->show());
        QTRY_COMPARE(geolocation_shown(), QStringLiteral("48.8566, 2.3522"));
        app().save_location_data(1.0, 2.0);
        QCOMPARE(app().location().latitude, 48.8566);
        QCOMPARE(location_requests(), 0);
        QCOMPARE(m_server->requests().size(), 0);
    }

    void switchingTheTypedInLocationOffLooksItUpAgain()
    {
        start(kStockholm,
              {{"UseManualLocation", true}, {"Latitude", 48.8566}, {"Longitude", 2.3522}});
        app().use_manual_location_changed(false);
        QTRY_COMPARE(app().location().latitude, 59.33);
        QCOMPARE(location_requests(), 1);
    }

    void aLocationTypedOnThePageIsUsed()
    {
        start(kNoLocation);
        QVERIFY(m_window->show());
        QVERIFY(m_window->open_page(QStringLiteral("Location")));
        const QString latitude = QStringLiteral("#page-host [data-setting=latitude]");
        const QString longitude = QStringLiteral("#page-host [data-setting=longitude]");
        QVERIFY(m_window->js("document.querySelector('" + latitude + "').disabled").toBool());

        m_window->click(QStringLiteral("#page-host [data-setting=use_manual_location]"));
        QTRY_VERIFY(app().settings_map().value("UseManualLocation").toBool());
        QVERIFY(!m_window->js("document.querySelector('" + latitude + "').disabled").toBool());
        QSignalSpy times(&app(), &App::set_transition_times_info);
        m_window->type(latitude, QStringLiteral("60.1699"));
        m_window->type(longitude, QStringLiteral("24.9384"));
        QTRY_COMPARE(app().location().longitude, 24.9384);
        QCOMPARE(app().location().latitude, 60.1699);
        QTRY_COMPARE(geolocation_shown(), QStringLiteral("60.1699, 24.9384"));
        QVERIFY(!times.isEmpty());
        QVERIFY(!TransitionSchedule::usesClockSchedule(app().settings_map(), app().location()));

        // Out of range: the field says so and the location stays.
        m_window->type(latitude, QStringLiteral("95"));
        QTRY_VERIFY(
            m_window->js("document.querySelector('" + latitude + "').classList.contains('invalid')")
                .toBool());
        QCOMPARE(app().location().latitude, 60.1699);
    }

    void outOfRangeCoordinatesAreRefused_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<double>("value");
        QTest::newRow("latitude over 90") << "latitude_changed" << 90.5;
        QTest::newRow("latitude under -90") << "latitude_changed" << -91.0;
        QTest::newRow("latitude not a number") << "latitude_changed" << qQNaN();
        QTest::newRow("longitude over 180") << "longitude_changed" << 180.01;
        QTest::newRow("longitude infinite") << "longitude_changed" << qInf();
    }

    void outOfRangeCoordinatesAreRefused()
    {
        QFETCH(QString, slot);
        QFETCH(double, value);
        start(kNoLocation, {{"UseManualLocation", true}, {"Latitude", 10.0}, {"Longitude", 20.0}});
        QVERIFY(
            QMetaObject::invokeMethod(&app(), slot.toLatin1().constData(), Q_ARG(double, value)));
        app().save_location_data(value, value);
        QCOMPARE(app().location().latitude, 10.0);
        QCOMPARE(app().location().longitude, 20.0);
    }

    void savingWithUpdatesSwitchedOnAsksTheServer_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("switched");
        QTest::addColumn<int>("requests");
        QTest::newRow("switched on") << false << true << 1;
        QTest::newRow("left off") << false << false << 0;
        QTest::newRow("on before: asked at the start only") << true << true << 1;
    }

    void savingWithUpdatesSwitchedOnAsksTheServer()
    {
        QFETCH(bool, stored);
        QFETCH(bool, switched);
        QFETCH(int, requests);
        m_server->answer("/version.txt", version_file("1.0.0"));
        m_updater = std::make_unique<Updater>(m_server->url(), kCurrent);
        QSignalSpy statuses(m_updater.get(), &Updater::update_status);
        start(kNoLocation, {{"CheckForUpdates", stored}});
        if (stored)
            QTRY_COMPARE(statuses.count(), 1);
        app().check_for_updates_changed(switched);
        app().save_and_close_clicked();
        // A witness: a request asked for now is answered after any asked before it.
        m_updater->check_now();
        QTRY_COMPARE(statuses.count(), requests + 1);
        QCOMPARE(m_server->requests().size(), requests + 1);
    }

    void aNewVersionOpensTheNotice()
    {
        m_server->answer("/version.txt", version_file("2.0"));
        m_updater = std::make_unique<Updater>(m_server->url(), kCurrent);
        start(kNoLocation, {{"CheckForUpdates", true}});
        const auto notices = [] {
            int count = 0;
            for (QWidget* window : QApplication::topLevelWidgets())
                count += window->inherits("NewVersionNotification") && window->isVisible();
            return count;
        };
        QTRY_COMPARE(notices(), 1);
    }

    void theAutomaticUpdatesPageWorks()
    {
        m_server->answer("/version.txt", version_file("1.0.0"));
        m_updater = std::make_unique<Updater>(m_server->url(), kCurrent);
        start(kNoLocation);
        QVERIFY(m_window->show());
        QVERIFY(m_window->open_page(QStringLiteral("Automatic Updates")));
        m_window->click(QStringLiteral("#page-host [data-setting=check_for_updates]"));
        QTRY_VERIFY(app().settings_map().value("CheckForUpdates").toBool());
        m_window->choose(QStringLiteral("#page-host [data-setting=updates_interval]"),
                         QStringLiteral("7"));
        QCOMPARE(app().settings_map().value("UpdatesInterval").toInt(), 7);
        QCOMPARE(m_server->requests().size(), 0);
        m_window->click(QStringLiteral("#page-host [data-call=check_for_updates_now]"));
        QTRY_COMPARE(m_window->text_of(QStringLiteral("#page-host [data-text=set_update_status]")),
                     QStringLiteral("Kavo is up to date"));
        QCOMPARE(m_server->requests().size(), 1);
        m_window->click(QStringLiteral("#page-host [data-setting=send_usage_statistics]"));
        QTRY_VERIFY(app().settings_map().value("SendUsageStatistics").toBool());
    }

    void anIntervalOutsideAYearIsRefused()
    {
        start(kNoLocation, {{"UpdatesInterval", 30}});
        app().updates_interval_changed(0);
        app().updates_interval_changed(366);
        QCOMPARE(app().settings_map().value("UpdatesInterval").toInt(), 30);
        app().updates_interval_changed(365);
        QCOMPARE(app().settings_map().value("UpdatesInterval").toInt(), 365);
    }

    // With usage reports allowed, the main page reports each settings page it opens as a page
    // view, and the view the user chooses as an event.
    void theMainPageReportsItsPagesAndViews()
    {
        m_server->answer("/collect", QByteArray());
        m_utils = std::make_unique<Utils>(m_server->url(QStringLiteral("/collect")),
                                          Utils::default_property());
        start(kNoLocation, {{"SendUsageStatistics", true}, {"AdvancedView", false}});
        QVERIFY(m_window->show());
        const auto reports = [this] {
            QStringList reports;
            for (const LocalHttpServer::Request& request : m_server->requests()) {
                const QUrlQuery form(QString::fromUtf8(request.body));
                reports << QStringList{form.queryItemValue("t"),  form.queryItemValue("dp"),
                                       form.queryItemValue("dt"), form.queryItemValue("ec"),
                                       form.queryItemValue("ea"), form.queryItemValue("el")}
                               .join(QLatin1Char('|'));
            }
            return reports;
        };
        m_window->click(QStringLiteral("#advanced-tab"));
        QTRY_VERIFY2(reports().contains("event|||Main window|Choose view|Advanced"),
                     qPrintable(reports().join(QLatin1Char('\n'))));
        QVERIFY(m_window->open_page(QStringLiteral("Moon")));
        QTRY_VERIFY2(reports().contains("pageview|moon_page.html|Moon|||"),
                     qPrintable(reports().join(QLatin1Char('\n'))));
    }

    void usageIsReportedOnlyWithTheSettingOn_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::newRow("off") << false;
        QTest::newRow("on") << true;
    }

    void usageIsReportedOnlyWithTheSettingOn()
    {
        QFETCH(bool, stored);
        m_server->answer("/collect", QByteArray());
        m_utils = std::make_unique<Utils>(m_server->url(QStringLiteral("/collect")),
                                          Utils::default_property());
        start(kNoLocation, {{"SendUsageStatistics", stored}});
        app().register_analytics_page_view(QStringLiteral("page.html"), QStringLiteral("Page"));
        app().send_usage_statistics_changed(true);
        app().register_analytics_page_view(QStringLiteral("witness.html"), QStringLiteral("W"));
        // Reports may arrive in any order; the witness is sent last.
        const auto pages = [this] {
            QStringList pages;
            for (const LocalHttpServer::Request& request : m_server->requests())
                pages << QUrlQuery(QString::fromUtf8(request.body)).queryItemValue("dp");
            pages.sort();
            return pages;
        };
        QTRY_VERIFY(pages().contains(QStringLiteral("witness.html")));
        QTRY_COMPARE(pages(), stored ? (QStringList{"Kavo", "page.html", "witness.html"})
                                     : QStringList{"witness.html"});
    }
};

QTEST_MAIN(TestAppNetwork)
#include "tst_app_network.moc"
