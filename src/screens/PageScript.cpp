#include "screens/PageScript.h"

namespace PageScript {

QString string_literal(const QString& text)
{
    QString literal;
    literal.reserve(text.size() + 2);
    literal += QLatin1Char('\'');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            literal += QLatin1String("\\\\");
            break;
        case '\'':
            literal += QLatin1String("\\'");
            break;
        case '\n':
            literal += QLatin1String("\\n");
            break;
        case '\r':
            literal += QLatin1String("\\r");
            break;
        default:
            // Other control characters, the two line separators that end a JavaScript line,
            // and "<" (no "</script>" in a page) as escapes.
            if (c.unicode() < 0x20 || c.unicode() == 0x2028 || c.unicode() == 0x2029 ||
                c == QLatin1Char('<'))
                literal += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                literal += c;
        }
    }
    literal += QLatin1Char('\'');
    return literal;
}

QString call(const QString& function, const QStringList& arguments)
{
    QStringList literals;
    for (const QString& argument : arguments)
        literals.append(string_literal(argument));
    return function + QLatin1Char('(') + literals.join(QLatin1String(", ")) + QLatin1String(");");
}

} // namespace PageScript
