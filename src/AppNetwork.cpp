// App's network side: the location the sun schedule follows (typed in, or looked up through
// LocationLookup), the update check of Updater with its notice, and usage reporting through
// Utils.
#include "App.h"

#include "KavoLog.h"
#include "network/LocationLookup.h"
#include "network/NetworkEndpoints.h"
#include "network/Updater.h"
#include "network/Utils.h"
#include "platform/Platform.h"
#include "settings/SaveManager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>

namespace {
const char kLoading[] = QT_TRANSLATE_NOOP("Translator", "Loading...");
const char kUnknown[] = QT_TRANSLATE_NOOP("Translator", "Location unknown: set it by hand");
constexpr int kMaxUpdatesInterval = 365;

SaveManager* save_manager()
{
    return SaveManager::instance();
}

// -1 marks a coordinate that was never known.
bool is_known(const Location& location)
{
    return location.latitude != -1.0 && location.longitude != -1.0 &&
           GeoPosition{location.latitude, location.longitude}.isValid();
}

QString coordinates_text(const Location& location)
{
    return QString::number(location.latitude, 'g', 6) + QStringLiteral(", ") +
           QString::number(location.longitude, 'g', 6);
}

bool setting_of_app(const char* key)
{
    App* app = App::instance();
    return app && app->settings_map().value(QLatin1String(key)).toBool();
}
} // namespace

void App::sync_kavo_to_the_internet()
{
    if (m_synced_to_the_internet)
        return;
    m_synced_to_the_internet = true;
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    get_geolocation_data();

    start_update_checks();
    start_usage_reporting();
}

void App::start_update_checks()
{
    Updater* updater = Updater::instance();
    log_line(QStringLiteral("Full app version: ") + (updater
                                                         ? updater->get_full_current_version()
                                                         : Updater::full_version_of_this_build()));
    if (!updater)
        return;
    connect(updater, &Updater::new_version_available, this, &App::new_version_available);
    connect(updater, &Updater::update_status, this, &App::set_update_status);
    connect(updater, &Updater::download_progress_changed, this, &App::refresh_download_progress);
    updater->check_for_new_version();
    // The updater outlives the controller: it asks through the singleton.
    updater->check_periodically([] {
        App* app = App::instance();
        return app ? app->settings_map().value(QStringLiteral("UpdatesInterval")).toInt() : 1;
    });
}

void App::start_usage_reporting()
{
    Utils* utils = Utils::instance();
    if (!utils)
        return;
    utils->set_consent([] { return setting_of_app("SendUsageStatistics"); });
    utils->register_analytics_page_view(QStringLiteral("Kavo"), QStringLiteral("kavo.html"));
}

LocationLookup& App::location_lookup()
{
    if (!m_location_lookup) {
        m_location_lookup = std::make_unique<LocationLookup>(
            [this]() -> QNetworkAccessManager& { return network(); },
            Platform::current().location(), NetworkEndpoints::geolocation_server());
        connect(m_location_lookup.get(), &LocationLookup::found, this, &App::save_location_data);
        connect(m_location_lookup.get(), &LocationLookup::country_found, this, &App::localize_kavo);
        connect(m_location_lookup.get(), &LocationLookup::server_asked, this,
                &App::find_geolocation);
        connect(m_location_lookup.get(), &LocationLookup::finished, this,
                &App::publish_geolocation);
    }
    return *m_location_lookup;
}

// Made when the geolocation server is first asked: Qt's network manager loads its bearer
// plugins and starts a thread for them.
QNetworkAccessManager& App::network()
{
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
        connect(m_network, &QNetworkAccessManager::finished, this, &App::update_location);
    }
    return *m_network;
}

void App::get_geolocation_data()
{
    if (!m_settings.value(QStringLiteral("UseManualLocation")).toBool())
        location_lookup().start();
    publish_geolocation();
}

QString App::geolocation_text()
{
    const bool manual = m_settings.value(QStringLiteral("UseManualLocation")).toBool();
    if (!manual && m_location_lookup && m_location_lookup->is_searching())
        return QCoreApplication::translate("Translator", kLoading);
    if (is_known(m_location))
        return coordinates_text(m_location);
    return QCoreApplication::translate("Translator", kUnknown);
}

void App::publish_geolocation()
{
    emit set_geolocation_string(geolocation_text());
}

void App::update_location(QNetworkReply* reply)
{
    if (!reply)
        return;
    // A typed-in location is never replaced: save_location_data() leaves it alone.
    location_lookup().handle_reply(reply);
    emit set_moon_phases_info(get_transition_times_info_string());
}

void App::save_location_data(double lat, double lon)
{
    if (m_settings.value(QStringLiteral("UseManualLocation")).toBool())
        return;
    if (!GeoPosition{lat, lon}.isValid()) {
        log_line(QStringLiteral("Location refused: %1, %2").arg(lat).arg(lon));
        return;
    }
    m_location.latitude = lat;
    m_location.longitude = lon;
    if (save_manager())
        save_manager()->write_location();
    update_times_info();
    publish_location();
    publish_geolocation();
}

void App::check_for_updates_changed(bool value)
{
    store_setting(QStringLiteral("CheckForUpdates"), value, "CHECK_FOR_UPDATES: ");
}

void App::updates_interval_changed(int value)
{
    if (value < 1 || value > kMaxUpdatesInterval) {
        log_line(QStringLiteral("Update interval out of range (1 to %1 days): %2")
                     .arg(kMaxUpdatesInterval)
                     .arg(value));
        return;
    }
    store_setting(QStringLiteral("UpdatesInterval"), value, "UPDATES_INTERVAL: ");
}

void App::send_usage_statistics_changed(bool value)
{
    store_setting(QStringLiteral("SendUsageStatistics"), value, "SEND_USAGE_STATISTICS: ");
}

void App::check_for_updates_now()
{
    if (Updater* updater = Updater::instance())
        updater->check_now();
}

void App::check_for_updates_if_switched_on(bool was_on)
{
    if (!was_on && save_manager() && save_manager()->is_check_for_updates_enabled() &&
        Updater::instance())
        Updater::instance()->check_for_new_version();
}

void App::refresh_download_progress()
{
    refresh_taskbar_button();
}

void App::register_analytics_event(const QString& category, const QString& action,
                                   const QString& label, const QString& value)
{
    if (Utils* utils = Utils::instance())
        utils->register_analytics_event(category, action, label, value);
}

void App::register_analytics_page_view(const QString& page_name, const QString& page_title)
{
    if (Utils* utils = Utils::instance())
        utils->register_analytics_page_view(page_name, page_title);
}
