#pragma once

#include <QList>
#include <QSet>
#include <QString>

// One Qt Linguist translation source (resources/translations/kavo_<code>.ts) as read from its XML.
struct TranslationSource
{
    struct Message
    {
        QString context;
        QString source;
        QString translation;
        bool finished = false; // no type="unfinished" (or "vanished"/"obsolete")
    };

    QString language; // the file's language attribute
    QList<Message> messages;
    QString problem; // set when the file could not be read

    static TranslationSource read(const QString& path);

    // "context|source" of every message.
    QSet<QString> keys() const;
    // The sources of the messages of `context`.
    QSet<QString> sources(const QString& context) const;
};
