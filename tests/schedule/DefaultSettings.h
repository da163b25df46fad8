#pragma once

#include "settings/SettingsTable.h"

// A settings map holding every key of the table at its default, as a fresh store loads it.
inline SettingsMap defaultSettings()
{
    SettingsMap settings;
    for (const SettingKey& key : SettingsTable::keys())
        settings.insert(QLatin1String(key.name), SettingsTable::defaultValue(key, {}));
    return settings;
}
