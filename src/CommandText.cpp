#include "CommandText.h"

#include "KavoLog.h"

#include <QDeadlineTimer>
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
// Reads up to `size` bytes; fewer means the input ended first, or nothing more came before
// the deadline (`timed_out` is set then).
QByteArray read_exactly(QIODevice& input, qint64 size, const QDeadlineTimer& deadline,
                        bool& timed_out)
{
    QByteArray bytes;
    while (bytes.size() < size) {
        const QByteArray chunk = input.read(size - bytes.size());
        if (!chunk.isEmpty()) {
            bytes += chunk;
            continue;
        }
        if (!input.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            timed_out = deadline.hasExpired();
            break;
        }
    }
    return bytes;
}
} // namespace

NativeMessage read_native_message(QIODevice& input, int timeout_ms)
{
    const QDeadlineTimer deadline(timeout_ms);
    NativeMessage message;
    const QByteArray header = read_exactly(input, 4, deadline, message.timed_out);
    if (header.size() < 4) {
        kavo_log() << "bufSize = 0";
        message.refused = QStringLiteral("no length arrived");
        return message;
    }
    const qint32 length = qFromLittleEndian<qint32>(header.constData());
    kavo_log() << QStringLiteral("bufSize = ") + QString::number(length);
    if (length <= 0 || length > kMaxNativeMessageSize) {
        message.refused = QStringLiteral("a length of %1 bytes, outside 1..%2")
                              .arg(static_cast<quint32>(length))
                              .arg(kMaxNativeMessageSize);
        return message;
    }
    const QByteArray body = read_exactly(input, length, deadline, message.timed_out);
    if (body.size() < length) {
        message.refused = QStringLiteral("%1 of %2 bytes arrived").arg(body.size()).arg(length);
        return message;
    }
    const QJsonObject object = QJsonDocument::fromJson(body).object();
    if (!object.contains(QLatin1String("value"))) {
        message.refused = QStringLiteral("not a JSON object with a \"value\"");
        return message;
    }
    message.value = object.value(QLatin1String("value")).toVariant().toString();
    kavo_log() << message.value;
    return message;
}

} // namespace CommandText
