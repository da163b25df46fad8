#pragma once

#include "color/HourlyRules.h"
#include "settings/SettingsTable.h"

#include <QString>
#include <QStringList>

// An administrator's hourly override of one night setting, from a plain file of rules
// (HourlyRules). Loaded once at start; applied by the update loop for the current hour.
class HourlyConfigManager
{
public:
    virtual ~HourlyConfigManager() = default;

    // Reads the file from the first of `folders` that holds one; none gives no rules.
    void load(const QStringList& folders);

    bool has_rules() const { return !m_rules.isEmpty(); }
    const QVector<HourlyRule>& rules() const { return m_rules; }
    QString file_name() const { return QLatin1String(m_file_name); }

    // Puts the value of the last rule covering `hour` into the night setting: the common one,
    // and with `monitor_count` > 0 also that of monitors 1..monitor_count. True when a setting
    // changed.
    bool apply(int hour, SettingsMap& settings, int monitor_count) const;

protected:
    // `file_name` holds rules for `key`; values outside [`min_value`, `max_value`] are skipped,
    // described to the administrator as `value_kind` ("temperatures outside 0..10000 K").
    HourlyConfigManager(const char* file_name, const char* key, int min_value, int max_value,
                        const char* value_kind);

    // The setting a rule's value gives.
    virtual int setting_value(int rule_value) const { return rule_value; }

private:
    void report(const QString& path, const HourlyRulesFile& file) const;

    const char* m_file_name;
    const char* m_key;
    int m_min_value;
    int m_max_value;
    const char* m_value_kind;
    QVector<HourlyRule> m_rules;
};
