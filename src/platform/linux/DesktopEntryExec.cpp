#include "platform/linux/DesktopEntryExec.h"

namespace DesktopEntryExec {

namespace {
bool is_control(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

bool needs_backslash_in_quotes(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
           c == QLatin1Char('\\');
}

// The general escapes of a desktop entry string value: \s \n \t \r \\.
QString unescaped_string(const QString& value)
{
    QString text;
    text.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            text += c;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's':
            text += QLatin1Char(' ');
            break;
        case 'n':
            text += QLatin1Char('\n');
            break;
        case 't':
            text += QLatin1Char('\t');
            break;
        case 'r':
            text += QLatin1Char('\r');
            break;
        default:
            text += next;
            break;
        }
    }
    return text;
}
} // namespace

std::optional<QString> quoted(const QString& argument)
{
    QString text = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (is_control(c))
            return std::nullopt;
        if (needs_backslash_in_quotes(c))
            text += QLatin1Char('\\');
        text += c;
    }
    text += QLatin1Char('"');
    text.replace(QLatin1Char('%'), QLatin1String("%%"));
    // The string escape comes last when writing: the reader undoes it first.
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    return text;
}

std::optional<QString> value(const QString& program, const QStringList& fieldCodes)
{
    const std::optional<QString> quotedProgram = quoted(program);
    if (!quotedProgram)
        return std::nullopt;
    return QStringList(QStringList{*quotedProgram} + fieldCodes).join(QLatin1Char(' '));
}

QStringList arguments(const QString& value)
{
    const QString text = unescaped_string(value);
    QStringList result;
    QString current;
    bool inArgument = false;
    bool inQuotes = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                inQuotes = false;
            } else if (c == QLatin1Char('\\') && i + 1 < text.size() &&
                       needs_backslash_in_quotes(text.at(i + 1))) {
                current += text.at(++i);
            } else {
                current += c;
            }
        } else if (c == QLatin1Char(' ')) {
            if (inArgument)
                result.append(current);
            current.clear();
            inArgument = false;
        } else {
            inArgument = true;
            if (c == QLatin1Char('"'))
                inQuotes = true;
            else
                current += c;
        }
    }
    if (inArgument)
        result.append(current);
    for (QString& argument : result) {
        if (argument != QLatin1String("%%") && argument.size() == 2 &&
            argument.startsWith(QLatin1Char('%')))
            continue; // a field code
        argument.replace(QLatin1String("%%"), QLatin1String("%"));
    }
    return result;
}

QString printable(const QString& text)
{
    QString shown;
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            shown += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            shown += QLatin1String("\\t");
        else if (is_control(c))
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QString refusal(const QString& what, const QString& program)
{
    return QStringLiteral("%1 not registered: the program path cannot be written into a "
                          "desktop entry safely: %2")
        .arg(what, printable(program));
}

} // namespace DesktopEntryExec
