#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QSettings;

// The settings export format: "Key=value" entries after a header, one per line (the file
// form) or joined by "[sep]" (the one-line form that the console pastes as one word). Values
// escape line feeds, "=" and, in the one-line form, the characters a command line would
// change ("-", "+", "/").
namespace SettingsFile {

enum class Form
{
    MultiLine,
    OneLine
};

// Files larger than this are not read.
constexpr qint64 kMaxSize = 1024 * 1024;

QString header(Form form);
QString separator(Form form);
QString escape(QString value, Form form);
// Undoes every escape of either form.
QString unescape(QString value);

// Every key of `store` in the store's own order, but ApiArguments, after the header.
QByteArray write(const QSettings& store, Form form);

struct Entry
{
    QString key;
    QString value;
};

struct Parsed
{
    bool has_header = false;
    QList<Entry> entries;      // known keys that an import may write, in file order
    QStringList invalid_lines; // pieces that are neither comments nor "key=value"
    QStringList unknown_keys;  // keys Kavo does not know
    int skipped = 0;           // known keys an import never writes
};

// Reads text of either form (line feeds, CR LF and "[sep]" all end an entry).
Parsed parse(const QString& text);

// True for a key of the settings table (per-monitor keys with their monitor number).
bool is_known_key(const QString& key);

// Keys never written by an import: the command text, the first-start flag, the store layout,
// and the values that have no text form.
bool is_never_imported(const QString& key);

} // namespace SettingsFile
