#include "settings/SettingsExchange.h"

#include "KavoLog.h"
#include "ShownText.h"
#include "platform/IFileChooser.h"
#include "platform/Platform.h"
#include "platform/PrivateFiles.h"

#include <QDateTime>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace {
const char* const kFilter =
    QT_TRANSLATE_NOOP("Translator", "Kavo Settings File (*.kavo_settings *.kavo)");

QString desktop_folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

// Adds `text` (marked for translation, with `value` for its %1) to both messages of `result`:
// in English for the log, in the user's language for the tray.
void add_text(SettingsExchange::Result& result, const char* text, const QString& value = QString())
{
    const QString placeholder = QStringLiteral("%1");
    result.message += QString::fromUtf8(text).replace(placeholder, value);
    result.shown += ShownText::tr(text).replace(placeholder, value);
}

SettingsExchange::Result failure(const char* text, const QString& value = QString())
{
    SettingsExchange::Result result;
    add_text(result, text, value);
    log_line(result.message);
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
    const QString path = chooser.saveFileName(ShownText::tr("Save File..."),
                                              proposed_name(Platform::current().clock().now()),
                                              ShownText::tr(kFilter));
    if (path.isEmpty())
        return failure(QT_TRANSLATE_NOOP("Translator", "No File selected for Export"));
    log_line(QStringLiteral("File selected: ") + path);

    PrivateFiles::remove_link(store.fileName()); // written in place of a link, never through it
    store.sync();
    const QByteArray content = SettingsFile::write(store, form);
    // Written beside and renamed over the chosen file: a failed write leaves it as it was, and
    // a link there is replaced, not written through.
    if (!PrivateFiles::write(path, content))
        return failure(QT_TRANSLATE_NOOP("Translator", "Failed to write file for Export: %1"),
                       path);
    Result result;
    result.ok = true;
    add_text(result, QT_TRANSLATE_NOOP("Translator", "Settings exported to %1"), path);
    return result;
}

Result import_settings_file(QSettings& store, IFileChooser& chooser)
{
    const QString path = chooser.openFileName(ShownText::tr("Open File..."), desktop_folder(),
                                              ShownText::tr(kFilter));
    if (path.isEmpty())
        return failure(QT_TRANSLATE_NOOP("Translator", "No File selected for Import"));
    log_line(QStringLiteral("File selected for Import: ") + path);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QT_TRANSLATE_NOOP("Translator", "Failed to open file for Import"));
    const char* const too_large =
        QT_TRANSLATE_NOOP("Translator", "File too large for Import (over 1 MiB): %1");
    if (file.size() > SettingsFile::kMaxSize)
        return failure(too_large, path);
    const QByteArray content = file.read(SettingsFile::kMaxSize + 1);
    if (content.size() > SettingsFile::kMaxSize)
        return failure(too_large, path);
    return import_settings_text(store, QString::fromUtf8(content));
}

Result import_settings_text(QSettings& store, const QString& text)
{
    if (text.size() > SettingsFile::kMaxSize)
        return failure(
            QT_TRANSLATE_NOOP("Translator", "Settings too large for Import (over 1 MiB)"));
    const SettingsFile::Parsed parsed = SettingsFile::parse(text);
    for (const QString& line : parsed.invalid_lines)
        log_line(line + QStringLiteral(" is invalid line"));
    if (!parsed.has_header)
        return failure(QT_TRANSLATE_NOOP("Translator", "Not a Kavo settings file: it does not "
                                                       "start with the \"#Created by\" header"));
    if (parsed.entries.isEmpty())
        return failure(QT_TRANSLATE_NOOP("Translator", "No settings to import: the file holds no "
                                                       "setting Kavo knows"));

    for (const SettingsFile::Entry& entry : parsed.entries)
        store.setValue(entry.key, entry.value);
    PrivateFiles::remove_link(store.fileName()); // written in place of a link, never through it
    store.sync();

    Result result;
    result.ok = store.status() == QSettings::NoError;
    result.imported = parsed.entries.size();
    result.unknown = parsed.unknown_keys.size();
    result.invalid = parsed.invalid_lines.size();
    if (!result.ok) {
        add_text(result, QT_TRANSLATE_NOOP("Translator",
                                           "Settings not writable: the import was not saved"));
    } else {
        add_text(result, QT_TRANSLATE_NOOP("Translator", "%1 settings imported"),
                 QString::number(result.imported));
        if (result.unknown > 0)
            add_text(result, QT_TRANSLATE_NOOP("Translator", ", %1 unknown keys ignored"),
                     QString::number(result.unknown));
        if (result.invalid > 0)
            add_text(result, QT_TRANSLATE_NOOP("Translator", ", %1 invalid lines skipped"),
                     QString::number(result.invalid));
    }
    log_line(result.message);
    return result;
}

} // namespace SettingsExchange
