#pragma once

#include "settings/SettingsTable.h"

#include <QList>
#include <QSettings>

// Where the sun schedule is computed for; -1 marks an unknown coordinate.
struct Location
{
    double latitude = -1.0;
    double longitude = -1.0;
};

// Reads and writes the settings map against one portable settings store, with the key
// table's defaults, types, per-monitor names and validation.
class SettingsStore
{
public:
    explicit SettingsStore(QSettings& store, SettingsDefaults defaults = {});

    // True when the store holds the current layout; otherwise wipes it (reset()) and
    // returns false.
    bool checkVersion();

    // Clears the store but for the first-start flag and the language, and marks the layout;
    // the caller writes the store to its file.
    void reset();

    // Fills `map` from the store for `monitor` (0 = the common values), then validates. A
    // setting marked kTextRefused that holds text other than a number (a hand-edited file)
    // takes its default, and its name goes into `refused`.
    void loadMonitor(int monitor, SettingsMap& map, QStringList* refused = nullptr) const;

    // Replaces out-of-range timer and colour values of `monitor` in `map`.
    static void validate(SettingsMap& map, int monitor);

    // Writes `map` for `monitor`, except the lists and the run state, which have their own
    // writers; `unusedPages` is stored as UnusedPages.
    void saveMonitor(int monitor, const SettingsMap& map, const QVariantList& unusedPages);

    Location readLocation() const;
    void writeLocation(const Location& location);

    // The ignored monitors of a desktop with `monitorCount` monitors; see parseIgnoredMonitors.
    QList<int> readIgnoredMonitors(int monitorCount, int* dropped = nullptr) const;
    void writeIgnoredMonitors(const QList<int>& monitors);

    // "1:3:" <-> {1, 3}. Only numbers of monitors that exist (1..monitorCount) are kept, each
    // once, in the order first listed; every other entry is dropped and counted in `dropped`.
    static QList<int> parseIgnoredMonitors(const QString& text, int monitorCount,
                                           int* dropped = nullptr);
    static QString ignoredMonitorsText(const QList<int>& monitors);

    // The stored value of `name` converted to its table type, or its default.
    QVariant read(const QString& name) const;
    void write(const QString& name, const QVariant& value);

    QSettings& store() { return *m_store; }
    // Works on `store` from now on.
    void rebind(QSettings& store) { m_store = &store; }

private:
    void loadKey(const SettingKey& key, const QString& mapName, SettingsMap& map,
                 QStringList* refused) const;
    void saveKey(const SettingKey& key, const QString& mapName, const SettingsMap& map);

    QSettings* m_store;
    SettingsDefaults m_defaults;
};
