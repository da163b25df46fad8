#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// The text form of a registry import file ("Windows Registry Editor Version 5.00").
class RegFile
{
public:
    struct Value
    {
        QString key;
        QString name; // empty for the key's default value ("@")
        QVariant value;
    };

    // Reads `text`: "[KEY]" lines open keys; "name"=dword:hex, "name"="text" and
    // "name"=hex(2):bytes (UTF-16LE, zero-terminated) set values. Lines it does not
    // understand are skipped.
    static RegFile parse(const QString& text);

    // The text as an expandable string value: hex(2) followed by its UTF-16LE bytes with the
    // terminating zero, as two-digit upper-case hex separated by commas.
    static QString expandableString(const QString& text);

    QStringList keys; // every key named, in file order
    QVector<Value> values;

private:
    static bool parseValue(const QString& line, const QString& key, Value& value);
    static QString unquoted(const QString& text);
};
