#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// One typed console command (a spell), split into classified words, matched against patterns
// with typed placeholders: "%b" a yes/no word, "%d" an integer, "%f" an integer or a real,
// "%s" any other word, "%r" the rest of the spell as typed (case and blanks kept).
class SpellParser
{
public:
    enum class Kind
    {
        Boolean,
        Integer,
        Real,
        Word
    };

    struct Token
    {
        QString text; // lower case
        Kind kind = Kind::Word;
        bool boolean = false;
        int integer = 0;
        double real = 0.0;
    };

    // Spells are read as UTF-8; bytes that are not UTF-8 become replacement characters.
    explicit SpellParser(const QByteArray& spell);

    // True when `pattern` has as many words as the spell has tokens and each word matches its
    // token ("%r" as the last word matches one or more remaining tokens). The values of the
    // last match are read back by position.
    bool matches(const QString& pattern);

    bool boolean(int position) const;
    int integer(int position) const;
    double real(int position) const;
    QString word(int position) const;
    // What "%r" matched, as typed.
    QString rest() const { return m_rest; }

    const QString& text() const { return m_text; }
    const QVector<Token>& tokens() const { return m_tokens; }

    static Token classify(const QString& word);

private:
    bool word_matches(const QString& pattern_word, const Token& token) const;
    const Token* token(int position) const;

    QString m_text;
    QVector<Token> m_tokens;
    QVector<int> m_offsets; // where each token starts in m_text
    QString m_rest;
};
