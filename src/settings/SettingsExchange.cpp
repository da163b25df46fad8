#include "settings/SettingsExchange.h"

#include "KavoLog.h"
#include "platform/IFileChooser.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

namespace {
const char* const kFilter = "Kavo Settings File (*.kavo_settings *.kavo)";

QString translated(const char* text)
{
    return QCoreApplication::translate("Translator", text);
}

QString desktop_folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

SettingsExchange::Result failure(const QString& message)
{
    log_line(message);
    SettingsExchange::Result result;
    result.message = message;
    return result;
}
} // namespace

namespace SettingsExchange {

QString proposed_name(const QDateTime& now)
{
    return desktop_folder() + QStringLiteral("/Kavo-") +
           now.toString(QStringLiteral("yyyy_MM_dd_HH-mm-ss"));
}

Result export_settings_file(QSettings& store, SettingsFile::Form form, IFileChooser& chooser)
{
    const QString path =
        chooser.saveFileName(translated("Save File..."),
                             proposed_name(Platform::current().clock().now()), translated(kFilter));
    if (path.isEmpty())
        return failure(QStringLiteral("No File selected for Export"));
    log_line(QStringLiteral("File selected: ") + path);

    store.sync();
    const QByteArray content = SettingsFile::write(store, form);
    // Written beside and renamed over the chosen file: a failed write leaves it as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return failure(QStringLiteral("Failed to write file for Export: ") + path);
    Result result;
    result.ok = true;
    result.message = QStringLiteral("Settings exported to ") + path;
    return result;
}

Result import_settings_file(QSettings& store, IFileChooser& chooser)
{
    const QString path =
        chooser.openFileName(translated("Open File..."), desktop_folder(), translated(kFilter));
    if (path.isEmpty())
        return failure(QStringLiteral("No File selected for Import"));
    log_line(QStringLiteral("File selected for Import: ") + path);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("Failed to open file for Import"));
    if (file.size() > SettingsFile::kMaxSize)
        return failure(QStringLiteral("File too large for Import (over 1 MiB): ") + path);
    const QByteArray content = file.read(SettingsFile::kMaxSize + 1);
    if (content.size() > SettingsFile::kMaxSize)
        return failure(QStringLiteral("File too large for Import (over 1 MiB): ") + path);
    return import_settings_text(store, QString::fromUtf8(content));
}

Result import_settings_text(QSettings& store, const QString& text)
{
    if (text.size() > SettingsFile::kMaxSize)
        return failure(QStringLiteral("Settings too large for Import (over 1 MiB)"));
    const SettingsFile::Parsed parsed = SettingsFile::parse(text);
    for (const QString& line : parsed.invalid_lines)
        log_line(line + QStringLiteral(" is invalid line"));
    if (!parsed.has_header)
        return failure(QStringLiteral("Not a Kavo settings file: it does not start with the "
                                      "\"#Created by\" header"));
    if (parsed.entries.isEmpty())
        return failure(QStringLiteral("No settings to import: the file holds no setting Kavo "
                                      "knows"));

    for (const SettingsFile::Entry& entry : parsed.entries)
        store.setValue(entry.key, entry.value);
    store.sync();

    Result result;
    result.ok = store.status() == QSettings::NoError;
    result.imported = parsed.entries.size();
    result.unknown = parsed.unknown_keys.size();
    result.invalid = parsed.invalid_lines.size();
    result.message = QStringLiteral("%1 settings imported").arg(result.imported);
    if (result.unknown > 0)
        result.message += QStringLiteral(", %1 unknown keys ignored").arg(result.unknown);
    if (result.invalid > 0)
        result.message += QStringLiteral(", %1 invalid lines skipped").arg(result.invalid);
    if (!result.ok)
        result.message = QStringLiteral("Settings not writable: the import was not saved");
    log_line(result.message);
    return result;
}

} // namespace SettingsExchange
