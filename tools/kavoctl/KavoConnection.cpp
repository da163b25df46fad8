#include "KavoConnection.h"

#include "platform/LocalConnection.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QThread>

namespace {
// How long to wait before knocking again on a listener whose queue is full.
constexpr unsigned long kBusyRetryMs = 10;

int remaining(const QDeadlineTimer& deadline)
{
    return static_cast<int>(qMax<qint64>(0, deadline.remainingTime()));
}

// Connected before the deadline; false with `running` unset when nothing listens there.
bool connect_before(LocalConnection& connection, const QString& path,
                    const QDeadlineTimer& deadline, bool& running)
{
    running = true;
    for (;;) {
        switch (connection.connectTo(path)) {
        case LocalConnection::Connect::Connected:
            return true;
        case LocalConnection::Connect::NotListening:
            // No socket, or one nobody listens on: Kavo is not running.
            running = false;
            return false;
        case LocalConnection::Connect::Busy:
        case LocalConnection::Connect::Failed:
            // A busy Kavo may keep the socket's queue full for a moment: try again until the
            // deadline.
            break;
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(kBusyRetryMs);
    }
}

// Reads until `buffer` holds a whole line or the deadline passes (never, when it is forever);
// false when the connection ended first.
bool read_line(LocalConnection& connection, QByteArray& buffer, const QDeadlineTimer& deadline)
{
    while (!buffer.contains('\n')) {
        const int timeout = deadline.isForever() ? -1 : remaining(deadline);
        if (connection.read(buffer, timeout) != LocalConnection::Read::Data)
            return false;
    }
    return true;
}

QByteArray take_line(QByteArray& buffer)
{
    const int end = buffer.indexOf('\n');
    const QByteArray line = buffer.left(end);
    buffer.remove(0, end + 1);
    return line;
}
} // namespace

bool isKavoListening(const QString& socketPath)
{
    LocalConnection connection;
    bool running = true;
    return connect_before(connection, socketPath, QDeadlineTimer(1000), running) &&
           connection.peerIsUser();
}

KavoAnswer askKavo(const QString& socketPath, const QByteArray& request, int deadlineMs)
{
    const QDeadlineTimer deadline(deadlineMs);
    LocalConnection connection;
    bool running = true;
    if (!connect_before(connection, socketPath, deadline, running))
        return {running ? KavoAnswer::Outcome::NoAnswer : KavoAnswer::Outcome::NotRunning, {}};
    if (!connection.peerIsUser())
        return {KavoAnswer::Outcome::Foreign, {}};
    if (!request.isEmpty() && !connection.write(request))
        return {KavoAnswer::Outcome::NoAnswer, {}};
    QByteArray buffer;
    read_line(connection, buffer, deadline);
    const QJsonDocument answer = QJsonDocument::fromJson(buffer.trimmed());
    if (!answer.isObject())
        return {KavoAnswer::Outcome::NoAnswer, {}};
    return {KavoAnswer::Outcome::Answered, answer.object()};
}

KavoAnswer::Outcome followKavo(const QString& socketPath,
                               const std::function<void(const QJsonObject&)>& onStatus,
                               int deadlineMs)
{
    QDeadlineTimer deadline(deadlineMs);
    LocalConnection connection;
    bool running = true;
    if (!connect_before(connection, socketPath, deadline, running))
        return running ? KavoAnswer::Outcome::NoAnswer : KavoAnswer::Outcome::NotRunning;
    if (!connection.peerIsUser())
        return KavoAnswer::Outcome::Foreign;
    QByteArray buffer;
    bool answered = false;
    // The first line within the deadline; then each line as long as Kavo keeps the socket open.
    while (read_line(connection, buffer,
                     answered ? QDeadlineTimer(QDeadlineTimer::Forever) : deadline)) {
        while (buffer.contains('\n')) {
            const QJsonDocument status = QJsonDocument::fromJson(take_line(buffer));
            if (!status.isObject())
                return KavoAnswer::Outcome::NoAnswer;
            answered = true;
            onStatus(status.object());
        }
    }
    return answered ? KavoAnswer::Outcome::Answered : KavoAnswer::Outcome::NoAnswer;
}

QString foreignAnswerText(const QString& socketPath)
{
    return QStringLiteral("a process of another user answers on %1: its answer is not trusted")
        .arg(socketPath);
}
