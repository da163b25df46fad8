#include "settings/SettingsStore.h"

#include <algorithm>
#include <climits>

namespace {
// Loaded and saved first, in this order, before the per-monitor keys.
const char* const kLeadingKeys[] = {"IsFirstStart", "Language", "KavoMode", "KavoType"};

const char* const kMonitorLoadOrder[] = {"DayTemperature", "NightTemperature", "SleepLight",
                                         "DayBrightness",  "NightBrightness",  "SleepBrightness"};

struct Range
{
    const char* name;
    int minimum;
    int maximum;
    int belowMinimum;
    int aboveMaximum;
};

// Timer values are clamped; colour values out of range take a fixed replacement.
const Range kTimerRanges[] = {
    {"WorkTime", 1, 1440, 1, 1440},
    {"RestTime", 1, 86400, 1, 86400},
    {"PostponeTime", 1, INT_MAX, 1, INT_MAX},
    {"TimerType", 0, INT_MAX, 1, INT_MAX},
};

const Range kMonitorRanges[] = {
    {"DayTemperature", 0, 10000, 6000, 6000}, {"NightTemperature", 0, 10000, 4400, 4400},
    {"SleepLight", 0, 10000, 3700, 3700},     {"DayBrightness", 10, 150, 100, 100},
    {"NightBrightness", 10, 150, 85, 85},     {"SleepBrightness", 10, 150, 80, 80},
};

bool isLeadingKey(const char* name)
{
    return std::any_of(std::begin(kLeadingKeys), std::end(kLeadingKeys),
                       [name](const char* leading) { return qstrcmp(leading, name) == 0; });
}

// Text that a number setting cannot hold. An empty value reads as 0, as for every number.
bool isTextForNumber(const QVariant& stored)
{
    if (stored.type() != QVariant::String)
        return false;
    const QString text = stored.toString().trimmed();
    bool isNumber = false;
    text.toInt(&isNumber);
    return !text.isEmpty() && !isNumber;
}

void applyRange(SettingsMap& map, const QString& name, const Range& range)
{
    const int value = map.value(name).toInt();
    if (value < range.minimum)
        map.insert(name, range.belowMinimum);
    else if (value > range.maximum)
        map.insert(name, range.aboveMaximum);
}
} // namespace

SettingsStore::SettingsStore(QSettings& store, SettingsDefaults defaults)
    : m_store(&store), m_defaults(defaults)
{
}

bool SettingsStore::checkVersion()
{
    if (m_store->value(QStringLiteral("SaveVersion"), QStringLiteral("0")).toString() ==
        SettingsTable::kSaveVersion)
        return true;
    reset();
    return false;
}

void SettingsStore::reset()
{
    const QVariant firstStart = read(QStringLiteral("IsFirstStart"));
    const QVariant language = read(QStringLiteral("Language"));
    m_store->clear();
    m_store->setValue(QStringLiteral("IsFirstStart"), firstStart);
    m_store->setValue(QStringLiteral("SaveVersion"), SettingsTable::kSaveVersion);
    m_store->setValue(QStringLiteral("Language"), language);
}

QVariant SettingsStore::read(const QString& name) const
{
    const SettingKey* key = SettingsTable::find(name);
    if (!key)
        return m_store->value(name);
    const QVariant fallback = SettingsTable::defaultValue(*key, m_defaults);
    if (!m_store->contains(name))
        return fallback;
    return SettingsTable::convert(m_store->value(name, fallback), key->type);
}

void SettingsStore::write(const QString& name, const QVariant& value)
{
    m_store->setValue(name, value);
}

void SettingsStore::loadKey(const SettingKey& key, const QString& mapName, SettingsMap& map,
                            QStringList* refused) const
{
    const QVariant fallback = SettingsTable::defaultValue(key, m_defaults);
    if (!m_store->contains(mapName)) {
        map.insert(mapName, fallback);
        return;
    }
    const QVariant stored = m_store->value(mapName);
    if ((key.flags & kTextRefused) && isTextForNumber(stored)) {
        if (refused)
            refused->append(mapName);
        map.insert(mapName, fallback);
        return;
    }
    map.insert(mapName, SettingsTable::convert(stored, key.type));
}

void SettingsStore::loadMonitor(int monitor, SettingsMap& map, QStringList* refused) const
{
    for (const char* name : kLeadingKeys)
        loadKey(*SettingsTable::find(QLatin1String(name)), QLatin1String(name), map, refused);
    for (const char* name : kMonitorLoadOrder) {
        loadKey(*SettingsTable::find(QLatin1String(name)),
                SettingsTable::monitorKey(QLatin1String(name), monitor), map, refused);
    }
    for (const SettingKey& key : SettingsTable::keys()) {
        if (key.flags & (kPerMonitor | kNotInMap) || isLeadingKey(key.name))
            continue;
        loadKey(key, QLatin1String(key.name), map, refused);
    }
    validate(map, monitor);
}

void SettingsStore::validate(SettingsMap& map, int monitor)
{
    for (const Range& range : kTimerRanges)
        applyRange(map, QLatin1String(range.name), range);
    for (const Range& range : kMonitorRanges)
        applyRange(map, SettingsTable::monitorKey(QLatin1String(range.name), monitor), range);
}

void SettingsStore::saveKey(const SettingKey& key, const QString& mapName, const SettingsMap& map)
{
    const QVariant value = map.value(mapName);
    m_store->setValue(mapName, value.isValid() ? SettingsTable::convert(value, key.type)
                                               : SettingsTable::defaultValue(key, m_defaults));
}

void SettingsStore::saveMonitor(int monitor, const SettingsMap& map,
                                const QVariantList& unusedPages)
{
    for (const char* name : kLeadingKeys)
        saveKey(*SettingsTable::find(QLatin1String(name)), QLatin1String(name), map);

    // Colour temperatures are stored in whole hundreds, truncated toward zero.
    SettingsMap monitorValues;
    for (const char* name : kMonitorLoadOrder) {
        const QString mapName = SettingsTable::monitorKey(QLatin1String(name), monitor);
        monitorValues.insert(mapName, map.value(mapName));
    }
    for (const char* name : {"DayTemperature", "NightTemperature"}) {
        const QString mapName = SettingsTable::monitorKey(QLatin1String(name), monitor);
        monitorValues.insert(mapName, map.value(mapName).toInt() / 100 * 100);
    }
    for (const char* name : kMonitorLoadOrder) {
        saveKey(*SettingsTable::find(QLatin1String(name)),
                SettingsTable::monitorKey(QLatin1String(name), monitor), monitorValues);
    }

    for (const SettingKey& key : SettingsTable::keys()) {
        if (key.flags & (kPerMonitor | kNotInMap | kList | kState) || isLeadingKey(key.name))
            continue;
        if (qstrcmp(key.name, "UnusedPages") == 0)
            m_store->setValue(QStringLiteral("UnusedPages"), unusedPages);
        else
            saveKey(key, QLatin1String(key.name), map);
    }
}

Location SettingsStore::readLocation() const
{
    return {read(QStringLiteral("Latitude")).toDouble(),
            read(QStringLiteral("Longitude")).toDouble()};
}

void SettingsStore::writeLocation(const Location& location)
{
    m_store->setValue(QStringLiteral("Latitude"), location.latitude);
    m_store->setValue(QStringLiteral("Longitude"), location.longitude);
}

QList<int> SettingsStore::readIgnoredMonitors(int monitorCount, int* dropped) const
{
    return parseIgnoredMonitors(read(QStringLiteral("IgnoreMonitors")).toString(), monitorCount,
                                dropped);
}

void SettingsStore::writeIgnoredMonitors(const QList<int>& monitors)
{
    m_store->setValue(QStringLiteral("IgnoreMonitors"), ignoredMonitorsText(monitors));
}

// A hand-edited or damaged store may hold any number of entries: they are looked at in place,
// without a copy each, and at most one per monitor is kept.
QList<int> SettingsStore::parseIgnoredMonitors(const QString& text, int monitorCount, int* dropped)
{
    QList<int> monitors;
    int rejected = 0;
    int start = 0;
    while (start <= text.size()) {
        int end = text.indexOf(QLatin1Char(':'), start);
        if (end < 0)
            end = text.size();
        const QStringRef part = text.midRef(start, end - start);
        start = end + 1;
        if (part.isEmpty())
            continue;
        bool isNumber = false;
        const int monitor = part.toInt(&isNumber, 10);
        if (isNumber && monitor >= 1 && monitor <= monitorCount && !monitors.contains(monitor))
            monitors.append(monitor);
        else
            ++rejected;
    }
    if (dropped)
        *dropped = rejected;
    return monitors;
}

QString SettingsStore::ignoredMonitorsText(const QList<int>& monitors)
{
    QString text;
    for (int monitor : monitors)
        text += QString::number(monitor) + QLatin1Char(':');
    return text;
}
