// GLib's headers name a structure member "signals", which Qt defines as a macro.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

#include "parts/gsettings/GSettingsPart.h"

namespace {

// The installed schema `id`; null when it is not installed. The caller unrefs it.
GSettingsSchema* lookup_schema(const QString& id)
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (!source)
        return nullptr;
    return g_settings_schema_source_lookup(source, id.toUtf8().constData(), TRUE);
}

// `text` as a value that `key` takes; null when it is not one (a record edited by hand, or a
// schema that changed the key's type or range since the text was written).
GVariant* parse_value(GSettings* settings, const QByteArray& key, const QString& text)
{
    GSettingsSchema* schema = nullptr;
    g_object_get(settings, "settings-schema", &schema, nullptr);
    if (!schema)
        return nullptr;
    GSettingsSchemaKey* schema_key = g_settings_schema_get_key(schema, key.constData());
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

bool write_value(GSettings* settings, const QByteArray& key, const QString& text)
{
    if (text.isNull()) {
        g_settings_reset(settings, key.constData());
        return true;
    }
    GVariant* value = parse_value(settings, key, text);
    if (!value)
        return false;
    const bool written = g_settings_set_value(settings, key.constData(), value);
    g_variant_unref(value);
    return written;
}

} // namespace

GSettingsPart::~GSettingsPart()
{
    for (GSettings* settings : qAsConst(m_settings))
        g_object_unref(settings);
}

bool GSettingsPart::hasKeys(const QString& schema, const QStringList& keys)
{
    GSettingsSchema* found = lookup_schema(schema);
    if (!found)
        return false;
    bool all = true;
    for (const QString& key : keys)
        all = all && g_settings_schema_has_key(found, key.toUtf8().constData());
    g_settings_schema_unref(found);
    return all;
}

GSettings* GSettingsPart::settings(const QString& schema, const QString& key)
{
    if (!hasKeys(schema, {key}))
        return nullptr;
    GSettings*& settings = m_settings[schema];
    if (!settings)
        settings = g_settings_new(schema.toUtf8().constData());
    return settings;
}

QString GSettingsPart::userValue(const QString& schema, const QString& key)
{
    GSettings* found = settings(schema, key);
    if (!found)
        return {};
    GVariant* value = g_settings_get_user_value(found, key.toUtf8().constData());
    if (!value)
        return {};
    gchar* text = g_variant_print(value, TRUE);
    const QString printed = QString::fromUtf8(text);
    g_free(text);
    g_variant_unref(value);
    return printed;
}

QStringList GSettingsPart::write(const QString& schema, const QVector<KeyValue>& values)
{
    QStringList refused;
    GSettings* delayed = nullptr;
    for (const KeyValue& value : values) {
        GSettings* found = settings(schema, value.first);
        if (!found) {
            refused << value.first;
            continue;
        }
        // The keys change together: the daemon sees one change, not a night light that is
        // on for a moment with the user's old schedule.
        if (!delayed) {
            delayed = found;
            g_settings_delay(delayed);
        }
        if (!write_value(found, value.first.toUtf8(), value.second))
            refused << value.first;
    }
    if (delayed) {
        g_settings_apply(delayed);
        g_settings_sync();
    }
    return refused;
}
