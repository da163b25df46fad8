#pragma once

#include "platform/IDesktopInfo.h"
#include "settings/SettingsTable.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QSettings;

// Where the debug information reads the machine from (tests give folders of their own).
struct DebugInfoSources
{
    QString cpuinfo = QStringLiteral("/proc/cpuinfo");
    QString dmi_folder = QStringLiteral("/sys/class/dmi/id");
};

// The debug information text a user copies into a support request: the application, the
// system, the processor, the board, the desktop and every current and saved setting, one
// item per line, between two copy hints. It is plain text; values that look like secrets
// (and the board's serial numbers) are masked.
class DebugInfo
{
    Q_DECLARE_TR_FUNCTIONS(DebugInfo)

public:
    static const char* const kSeparator; // "----------"
    static const char* const kMask;

    static QString text(const SettingsMap& current, const QSettings& saved,
                        const DesktopDescription& desktop, const DebugInfoSources& sources = {});

    static QStringList application_lines();
    static QStringList os_lines();
    static QStringList system_lines();
    static QStringList cpu_lines(const QString& cpuinfo_path);
    static QStringList board_lines(const QString& dmi_folder);
    static QStringList desktop_lines(const DesktopDescription& desktop);
    static QStringList settings_lines(const QVariantMap& settings);

    // `value` of the setting `key` as one line of text, masked when the key names a secret.
    static QString value_text(const QString& key, const QVariant& value);
    static bool is_secret(const QString& key);
};
