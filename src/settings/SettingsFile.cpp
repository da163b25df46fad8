#include "settings/SettingsFile.h"

#include "settings/SettingsTable.h"

#include <QSettings>

namespace {
// The header's address carries no meaning and is never read back.
const QString kAddress = QStringLiteral("<settings@kavo.invalid>");

struct Escape
{
    const char* text;
    const char* escaped;
    bool one_line_only;
};

// In the order the reader undoes them.
const Escape kEscapes[] = {
    {"\n", "[new_line]", false}, {"-", "[minus]", true}, {"=", "[equal]", false},
    {"+", "[plus]", true},       {"/", "[slash]", true},
};

const QString kSeparator = QStringLiteral("[sep]");

bool is_comment(const QString& piece)
{
    return piece.startsWith(QLatin1Char('#')) || piece.startsWith(QLatin1Char(';'));
}

bool is_header(const QString& piece)
{
    return piece.startsWith(QLatin1String("#Created by ")) ||
           piece.startsWith(QLatin1String("#Created_by_"));
}

void read_piece(const QString& piece, SettingsFile::Parsed& parsed)
{
    if (piece.isEmpty())
        return;
    if (is_comment(piece)) {
        if (is_header(piece) && parsed.entries.isEmpty() && parsed.invalid_lines.isEmpty())
            parsed.has_header = true;
        return;
    }
    const QStringList parts = piece.split(QLatin1Char('='));
    if (parts.size() != 2 || parts.first().isEmpty()) {
        parsed.invalid_lines.append(piece);
        return;
    }
    const QString& key = parts.first();
    if (!SettingsFile::is_known_key(key))
        parsed.unknown_keys.append(key);
    else if (SettingsFile::is_never_imported(key))
        ++parsed.skipped;
    else
        parsed.entries.append({key, SettingsFile::unescape(parts.last())});
}
} // namespace

namespace SettingsFile {

QString header(Form form)
{
    return form == Form::OneLine ? QStringLiteral("#Created_by_YOUR_NAME_") + kAddress
                                 : QStringLiteral("#Created by YOUR NAME ") + kAddress;
}

QString separator(Form form)
{
    return form == Form::OneLine ? kSeparator : QStringLiteral("\n");
}

QString escape(QString value, Form form)
{
    for (const Escape& escape : kEscapes) {
        if (!escape.one_line_only || form == Form::OneLine)
            value.replace(QLatin1String(escape.text), QLatin1String(escape.escaped));
    }
    return value;
}

QString unescape(QString value)
{
    for (const Escape& escape : kEscapes)
        value.replace(QLatin1String(escape.escaped), QLatin1String(escape.text));
    return value;
}

QByteArray write(const QSettings& store, Form form)
{
    const QString end = separator(form);
    QString text = header(form) + end;
    for (const QString& key : store.allKeys()) {
        if (key == QLatin1String("ApiArguments"))
            continue;
        text += key + QLatin1Char('=') + escape(store.value(key).toString(), form) + end;
    }
    return text.toUtf8();
}

Parsed parse(const QString& text)
{
    Parsed parsed;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\r'));
        for (const QString& piece : line.split(kSeparator))
            read_piece(piece, parsed);
    }
    return parsed;
}

bool is_known_key(const QString& key)
{
    if (SettingsTable::find(key))
        return true;
    int digits = key.size();
    while (digits > 0 && key.at(digits - 1).isDigit())
        --digits;
    if (digits == key.size() || digits == 0)
        return false;
    const SettingKey* base = SettingsTable::find(key.left(digits));
    return base && (base->flags & kPerMonitor) && key.at(digits) != QLatin1Char('0');
}

bool is_never_imported(const QString& key)
{
    if (key == QLatin1String("ApiArguments") || key == QLatin1String("IsFirstStart") ||
        key == QLatin1String("SaveVersion"))
        return true;
    const SettingKey* known = SettingsTable::find(key);
    return known && (known->type == SettingType::Point || known->type == SettingType::List);
}

} // namespace SettingsFile
