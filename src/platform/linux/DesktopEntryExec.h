#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The Exec= value of a desktop entry, written and read as the Desktop Entry standard
// says: every argument in double quotes with ", `, $ and \ escaped by a backslash, a literal
// % doubled (a single one starts a field code), and then the string escape of the value,
// which doubles every backslash again.
namespace DesktopEntryExec {

// `argument` as one quoted argument; empty when it holds a control character (a line break
// would start lines of its own in the file), which no quoting makes safe.
std::optional<QString> quoted(const QString& argument);

// The Exec= value that runs `program` followed by `fieldCodes` ("%u"); empty when the program
// path cannot be written safely.
std::optional<QString> value(const QString& program, const QStringList& fieldCodes = {});

// The arguments of an Exec= value as a launcher reads them; field codes stay as written
// ("%u"), a doubled % reads as one.
QStringList arguments(const QString& value);

// `text` with its control characters shown as \n, \t or \xNN, for a log line.
QString printable(const QString& text);

// The log line of an entry (`what`) that is not written because `program` cannot be.
QString refusal(const QString& what, const QString& program);

} // namespace DesktopEntryExec
