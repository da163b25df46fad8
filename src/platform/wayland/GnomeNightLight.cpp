// GLib's headers name a structure member "signals", which Qt defines as a macro.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include "platform/wayland/GnomeNightLight.h"

#include <QDBusConnectionInterface>
#include <QJsonValue>

namespace {
const char* const kSchema = "org.gnome.settings-daemon.plugins.color";
const char* const kEnabled = "night-light-enabled";
const char* const kAutomatic = "night-light-schedule-automatic";
const char* const kFrom = "night-light-schedule-from";
const char* const kTo = "night-light-schedule-to";
const char* const kTemperature = "night-light-temperature";
const char* const kKeys[] = {kEnabled, kAutomatic, kFrom, kTo, kTemperature};
// Any hour will do, as long as both ends are the same.
constexpr double kAllDayFrom = 12.0;

bool has_schema()
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source)
        return false;
    GSettingsSchema* schema = g_settings_schema_source_lookup(source, kSchema, TRUE);
    if (!schema)
        return false;
    g_settings_schema_unref(schema);
    return true;
}
// `text` (as g_variant_print wrote it) as a value that `key` takes; null when it is not one (a
// record edited by hand, or a schema that changed its type or range since).
GVariant* parse_value(GSettings* settings, const char* key, const QString& text)
{
    GSettingsSchema* schema = nullptr;
    g_object_get(settings, "settings-schema", &schema, nullptr);
    if (!schema)
        return nullptr;
    GSettingsSchemaKey* schema_key = g_settings_schema_get_key(schema, key);
    GVariant* value = g_variant_parse(g_settings_schema_key_get_value_type(schema_key),
                                      text.toUtf8().constData(), nullptr, nullptr, nullptr);
    if (value) {
        g_variant_ref_sink(value);
        if (!g_settings_schema_key_range_check(schema_key, value)) {
            g_variant_unref(value);
            value = nullptr;
        }
    }
    g_settings_schema_key_unref(schema_key);
    g_settings_schema_unref(schema);
    return value;
}
} // namespace

bool GnomeNightLight::isOffered(const QDBusConnection& bus)
{
    const bool gnome_session =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").contains(QLatin1String("GNOME")) ||
        (bus.isConnected() && bus.interface() &&
         bus.interface()
             ->isServiceRegistered(QStringLiteral("org.gnome.SettingsDaemon.Color"))
             .value());
    return gnome_session && has_schema();
}

GnomeNightLight::GnomeNightLight(const QString& recordPath, std::unique_ptr<IBacklight> backlight)
    : RecordedNightLight(recordPath, std::move(backlight))
{
    if (has_schema())
        m_settings = g_settings_new(kSchema);
}

GnomeNightLight::~GnomeNightLight()
{
    if (m_settings)
        g_object_unref(m_settings);
}

std::optional<QJsonObject> GnomeNightLight::readOwnSettings()
{
    if (!m_settings)
        return std::nullopt;
    // A key the user never set is recorded as null and reset on restore, so that it follows
    // the schema's default again.
    QJsonObject settings;
    for (const char* key : kKeys) {
        GVariant* value = g_settings_get_user_value(m_settings, key);
        if (!value) {
            settings.insert(QLatin1String(key), QJsonValue());
            continue;
        }
        gchar* text = g_variant_print(value, TRUE);
        settings.insert(QLatin1String(key), QString::fromUtf8(text));
        g_free(text);
        g_variant_unref(value);
    }
    return settings;
}

bool GnomeNightLight::writeOwnSettings(const QJsonObject& settings)
{
    if (!m_settings)
        return false;
    bool ok = true;
    g_settings_delay(m_settings);
    for (const char* key : kKeys) {
        const QJsonValue value = settings.value(QLatin1String(key));
        if (!value.isString()) {
            g_settings_reset(m_settings, key);
            continue;
        }
        GVariant* parsed = parse_value(m_settings, key, value.toString());
        if (!parsed || !g_settings_set_value(m_settings, key, parsed)) {
            report(QStringLiteral("GNOME's night light setting %1 cannot be put back: %2")
                       .arg(QLatin1String(key), value.toString()));
            ok = false;
        }
        if (parsed)
            g_variant_unref(parsed);
    }
    g_settings_apply(m_settings);
    g_settings_sync();
    return ok;
}

bool GnomeNightLight::showTemperature(int kelvin)
{
    if (!m_settings)
        return false;
    g_settings_delay(m_settings);
    bool ok = g_settings_set_boolean(m_settings, kEnabled, kelvin < kNeutralKelvin);
    if (kelvin < kNeutralKelvin) {
        ok = g_settings_set_boolean(m_settings, kAutomatic, FALSE) &&
             g_settings_set_double(m_settings, kFrom, kAllDayFrom) &&
             g_settings_set_double(m_settings, kTo, kAllDayFrom) &&
             g_settings_set_uint(m_settings, kTemperature, static_cast<guint>(kelvin)) && ok;
    }
    g_settings_apply(m_settings);
    g_settings_sync();
    if (!ok)
        report(QStringLiteral("GNOME's night light refused %1 K").arg(kelvin));
    return ok;
}
