#pragma once

#include "settings/SettingsFile.h"

#include <QString>

class IFileChooser;
class QDateTime;
class QSettings;

// Export and import of the settings store through a settings file or a pasted line. An import
// writes nothing unless the text is a settings file with at least one setting Kavo knows; an
// export replaces the chosen file whole or leaves it as it was.
namespace SettingsExchange {

struct Result
{
    bool ok = false;
    int imported = 0;
    int unknown = 0;
    int invalid = 0;
    QString message; // what happened, in English: Kavo's log line
    QString shown;   // the same in the user's language, for the tray message
};

// Asks where to save (proposing "<desktop>/Kavo-<date and time>") and writes `store` there.
Result export_settings_file(QSettings& store, SettingsFile::Form form, IFileChooser& chooser);

// Asks for a file and imports it into `store`.
Result import_settings_file(QSettings& store, IFileChooser& chooser);

// Imports `text` (either form) into `store`.
Result import_settings_text(QSettings& store, const QString& text);

// "<desktop>/Kavo-yyyy_MM_dd_HH-mm-ss" for the local time `now`.
QString proposed_name(const QDateTime& now);

} // namespace SettingsExchange
