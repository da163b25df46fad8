// The location the user types in: the sun schedule follows it at once.
#include "App.h"

#include "KavoLog.h"
#include "settings/SaveManager.h"

#include <cmath>

void App::use_manual_location_changed(bool value)
{
    if (!store_setting(QStringLiteral("UseManualLocation"), value, "use_manual_location: "))
        return;
    if (!value)
        get_geolocation_data(); // back to automatic: the location is looked up again
    location_typed_in();
}

void App::latitude_changed(double value)
{
    if (store_coordinate(m_location.latitude, value, 90.0, "latitude"))
        location_typed_in();
}

void App::longitude_changed(double value)
{
    if (store_coordinate(m_location.longitude, value, 180.0, "longitude"))
        location_typed_in();
}

// Like a location found by the lookup, a typed-in one is stored at once.
bool App::store_coordinate(double& coordinate, double value, double limit, const char* name)
{
    if (!std::isfinite(value) || std::fabs(value) > limit) {
        log_line(QStringLiteral("A %1 of %2 is outside -%3..%3: ignored")
                     .arg(QLatin1String(name))
                     .arg(value)
                     .arg(limit));
        return false;
    }
    if (coordinate == value)
        return false;
    log_line(QLatin1String(name) + QStringLiteral(": ") + QString::number(value, 'g', 6));
    coordinate = value;
    if (SaveManager::instance())
        SaveManager::instance()->write_location();
    return true;
}

void App::location_typed_in()
{
    publish_location();
    publish_geolocation();
    refresh_transition_texts();
    run_tick_steps();
}
