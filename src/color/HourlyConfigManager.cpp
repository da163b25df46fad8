#include "color/HourlyConfigManager.h"

#include "KavoLog.h"

#include "platform/PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

HourlyConfigManager::HourlyConfigManager(const char* file_name, const char* key, int min_value,
                                         int max_value, const char* value_kind)
    : m_file_name(file_name), m_key(key), m_min_value(min_value), m_max_value(max_value),
      m_value_kind(value_kind)
{
}

void HourlyConfigManager::load(const QStringList& folders)
{
    m_rules.clear();
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(file_name());
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            continue;
        // Only a plain file of the user's own (or root's) is read: a FIFO would block the
        // start, and another user's file would set the user's colours.
        QFile file;
        QString problem;
        if (!PrivateFiles::open_trusted(file, path, &problem)) {
            log_line(path + QStringLiteral(" is not read: ") + problem);
            return;
        }
        const HourlyRulesFile rules = HourlyRules::read(file, m_min_value, m_max_value);
        m_rules = rules.rules;
        report(path, rules);
        return;
    }
}

void HourlyConfigManager::report(const QString& path, const HourlyRulesFile& file) const
{
    log_line(QStringLiteral("%1 rules from %2").arg(m_rules.size()).arg(path));
    if (file.hours_skipped > 0) {
        log_line(QStringLiteral("%1: %2 rules with hours outside 0..24 skipped")
                     .arg(file_name())
                     .arg(file.hours_skipped));
    }
    if (file.values_skipped > 0) {
        log_line(QStringLiteral("%1: %2 rules with %3 skipped")
                     .arg(file_name())
                     .arg(file.values_skipped)
                     .arg(QLatin1String(m_value_kind)));
    }
    if (file.truncated) {
        log_line(QStringLiteral("%1: only the first %2 rules are read")
                     .arg(file_name())
                     .arg(HourlyRules::kMaxRules));
    }
}

bool HourlyConfigManager::apply(int hour, SettingsMap& settings, int monitor_count) const
{
    const std::optional<int> rule_value = HourlyRules::value_at(m_rules, hour);
    if (!rule_value)
        return false;
    const int value = setting_value(*rule_value);
    bool changed = false;
    for (int monitor = 0; monitor <= monitor_count; ++monitor) {
        const QString key = SettingsTable::monitorKey(QLatin1String(m_key), monitor);
        if (settings.value(key).toInt() == value && settings.contains(key))
            continue;
        settings.insert(key, value);
        changed = true;
    }
    return changed;
}
