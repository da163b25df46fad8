#include "settings/SpellParser.h"

#include <QRegularExpression>

namespace {
const char* const kTrueWords[] = {"true", "on", "yes", "enable", "use", "start"};
const char* const kFalseWords[] = {"false", "off", "no", "disable", "halt", "stop"};

bool is_one_of(const QString& word, const char* const* list, int count)
{
    for (int i = 0; i < count; ++i) {
        if (word == QLatin1String(list[i]))
            return true;
    }
    return false;
}

bool is_integer_text(const QString& word)
{
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
    return integer.match(word).hasMatch();
}

bool is_real_text(const QString& word)
{
    // Digits with exactly one "." among them; the digits on either side may be missing, but
    // not both.
    static const QRegularExpression real(QStringLiteral("^[+-]?([0-9]+\\.[0-9]*|\\.[0-9]+)$"));
    return real.match(word).hasMatch();
}

QString ascii_lower(const QString& text)
{
    QString lower = text;
    for (QChar& c : lower) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return lower;
}
} // namespace

SpellParser::SpellParser(const QByteArray& spell)
    : m_text(QString::fromUtf8(spell.constData(), spell.size()))
{
    const QString lower = ascii_lower(m_text);
    int position = 0;
    while (position < lower.size()) {
        while (position < lower.size() && lower.at(position).isSpace())
            ++position;
        const int start = position;
        while (position < lower.size() && !lower.at(position).isSpace())
            ++position;
        if (position > start) {
            m_tokens.append(classify(lower.mid(start, position - start)));
            m_offsets.append(start);
        }
    }
}

SpellParser::Token SpellParser::classify(const QString& word)
{
    Token token;
    token.text = word;
    if (is_one_of(word, kTrueWords, int(std::size(kTrueWords)))) {
        token.kind = Kind::Boolean;
        token.boolean = true;
        return token;
    }
    if (is_one_of(word, kFalseWords, int(std::size(kFalseWords)))) {
        token.kind = Kind::Boolean;
        return token;
    }
    bool converts = false;
    if (is_integer_text(word)) {
        token.integer = word.toInt(&converts);
        if (converts) {
            token.kind = Kind::Integer;
            token.real = token.integer;
            return token;
        }
    }
    if (is_real_text(word)) {
        token.real = word.toDouble(&converts);
        if (converts) {
            token.kind = Kind::Real;
            return token;
        }
    }
    return token;
}

bool SpellParser::word_matches(const QString& pattern_word, const Token& token) const
{
    if (pattern_word == QLatin1String("%b"))
        return token.kind == Kind::Boolean;
    if (pattern_word == QLatin1String("%d"))
        return token.kind == Kind::Integer;
    if (pattern_word == QLatin1String("%f"))
        return token.kind == Kind::Integer || token.kind == Kind::Real;
    if (pattern_word == QLatin1String("%s"))
        return token.kind == Kind::Word;
    return pattern_word == token.text;
}

// The number of blank-separated words of `pattern`, and whether the last one is "%r".
static int word_count(const QString& pattern, bool* takes_rest)
{
    int count = 0;
    bool in_word = false;
    for (const QChar c : pattern) {
        if (c == QLatin1Char(' ')) {
            in_word = false;
        } else if (!in_word) {
            in_word = true;
            ++count;
        }
    }
    *takes_rest = pattern.trimmed().endsWith(QLatin1String(" %r")) ||
                  pattern.trimmed() == QLatin1String("%r");
    return count;
}

bool SpellParser::matches(const QString& pattern)
{
    m_rest.clear();
    // Most patterns of a table fail on their length: that is known without splitting them.
    bool rest_pattern = false;
    const int count = word_count(pattern, &rest_pattern);
    if (rest_pattern ? m_tokens.size() < count : m_tokens.size() != count)
        return false;
    const QStringList words = ascii_lower(pattern).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const bool takes_rest = !words.isEmpty() && words.last() == QLatin1String("%r");
    const int fixed = takes_rest ? words.size() - 1 : words.size();
    if (takes_rest ? m_tokens.size() <= fixed : m_tokens.size() != fixed)
        return false;
    for (int i = 0; i < fixed; ++i) {
        if (!word_matches(words.at(i), m_tokens.at(i)))
            return false;
    }
    if (takes_rest)
        m_rest = m_text.mid(m_offsets.at(fixed)).trimmed();
    return true;
}

const SpellParser::Token* SpellParser::token(int position) const
{
    return position >= 0 && position < m_tokens.size() ? &m_tokens.at(position) : nullptr;
}

bool SpellParser::boolean(int position) const
{
    const Token* found = token(position);
    return found && found->boolean;
}

int SpellParser::integer(int position) const
{
    const Token* found = token(position);
    return found ? found->integer : 0;
}

double SpellParser::real(int position) const
{
    const Token* found = token(position);
    return found ? found->real : 0.0;
}

QString SpellParser::word(int position) const
{
    const Token* found = token(position);
    return found ? found->text : QString();
}
