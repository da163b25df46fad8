#include "color/MonitorColorSettings.h"

namespace {
bool hasOwnColors(const SettingsMap& settings, int monitor)
{
    for (const SettingKey& key : SettingsTable::keys()) {
        if ((key.flags & kPerMonitor) &&
            !settings.value(SettingsTable::monitorKey(QLatin1String(key.name), monitor)).isValid())
            return false;
    }
    return true;
}

void copyColors(SettingsMap& settings, int from, int to)
{
    for (const SettingKey& key : SettingsTable::keys()) {
        if (!(key.flags & kPerMonitor))
            continue;
        const QString name = QLatin1String(key.name);
        QVariant value = settings.value(SettingsTable::monitorKey(name, from));
        if (!value.isValid())
            value = SettingsTable::defaultValue(key, {});
        settings.insert(SettingsTable::monitorKey(name, to), value);
    }
}
} // namespace

QList<int> MonitorColorSettings::adoptFirstMonitorColors(SettingsMap& settings, int monitorCount)
{
    QList<int> adopted;
    for (int monitor = 1; monitor <= monitorCount; ++monitor) {
        if (hasOwnColors(settings, monitor))
            continue;
        copyColors(settings, monitor == 1 || !hasOwnColors(settings, 1) ? 0 : 1, monitor);
        adopted.append(monitor);
    }
    return adopted;
}
