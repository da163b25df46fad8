#include "TranslationSource.h"

#include <QFile>
#include <QXmlStreamReader>

TranslationSource TranslationSource::read(const QString& path)
{
    TranslationSource file;
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        file.problem = QStringLiteral("cannot open ") + path;
        return file;
    }
    QXmlStreamReader xml(&input);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("TS")) {
            file.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("source")) {
            message = Message{context, xml.readElementText(), QString(), false};
        } else if (name == QLatin1String("translation")) {
            message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            message.translation = xml.readElementText();
            file.messages.append(message);
        }
    }
    if (xml.hasError())
        file.problem = path + QStringLiteral(": ") + xml.errorString();
    return file;
}

QSet<QString> TranslationSource::keys() const
{
    QSet<QString> keys;
    for (const Message& message : messages)
        keys.insert(message.context + QLatin1Char('|') + message.source);
    return keys;
}

QSet<QString> TranslationSource::sources(const QString& context) const
{
    QSet<QString> sources;
    for (const Message& message : messages) {
        if (message.context == context)
            sources.insert(message.source);
    }
    return sources;
}
