#include "CommandText.h"

#include "KavoLog.h"

#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

namespace CommandText {

QString normalize(const QString& argument)
{
    QString text = argument;
    text.remove(QStringLiteral("kavo:"));
    text.remove(QLatin1Char('/'));
    text.replace(QLatin1String("%20"), QLatin1String(" "));
    text.replace(QLatin1Char('-'), QLatin1Char(' '));
    return text;
}

namespace {
// Reads up to `size` bytes; fewer means the input ended first. A pipe blocks until its
// writer has sent more or closed it.
QByteArray read_exactly(QIODevice& input, qint64 size)
{
    QByteArray bytes;
    while (bytes.size() < size) {
        const QByteArray chunk = input.read(size - bytes.size());
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    return bytes;
}
} // namespace

QString read_native_message(QIODevice& input)
{
    const QByteArray header = read_exactly(input, 4);
    if (header.size() < 4) {
        kavo_log() << "bufSize = 0";
        return {};
    }
    const qint32 length = qFromLittleEndian<qint32>(header.constData());
    kavo_log() << QStringLiteral("bufSize = ") + QString::number(length);
    if (length <= 0 || length > kMaxNativeMessageSize)
        return {};
    const QByteArray body = read_exactly(input, length);
    if (body.size() < length)
        return {};
    const QJsonObject message = QJsonDocument::fromJson(body).object();
    if (!message.contains(QLatin1String("value")))
        return {};
    const QString value = message.value(QLatin1String("value")).toVariant().toString();
    kavo_log() << value;
    return value;
}

} // namespace CommandText
