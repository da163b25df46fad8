#include "KavoConnection.h"

#include "platform/SocketOwner.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QLocalSocket>

namespace {
int remaining(const QDeadlineTimer& deadline)
{
    return static_cast<int>(qMax<qint64>(0, deadline.remainingTime()));
}

// Connected before the deadline; false with `running` unset when nothing listens there.
bool connect_before(QLocalSocket& socket, const QString& path, const QDeadlineTimer& deadline,
                    bool& running)
{
    running = true;
    while (!deadline.hasExpired()) {
        socket.connectToServer(path);
        if (socket.waitForConnected(remaining(deadline)))
            return true;
        const QLocalSocket::LocalSocketError error = socket.error();
        socket.abort();
        // A busy Kavo may keep the socket's queue full for a moment: try again until the
        // deadline. No socket, or one nobody listens on, means Kavo is not running.
        if (error == QLocalSocket::ServerNotFoundError ||
            error == QLocalSocket::ConnectionRefusedError) {
            running = false;
            return false;
        }
    }
    return false;
}
} // namespace

KavoAnswer askKavo(const QString& socketPath, const QByteArray& request, int deadlineMs)
{
    const QDeadlineTimer deadline(deadlineMs);
    QLocalSocket socket;
    bool running = true;
    if (!connect_before(socket, socketPath, deadline, running))
        return {running ? KavoAnswer::Outcome::NoAnswer : KavoAnswer::Outcome::NotRunning, {}};
    if (!SocketOwner::peer_is_user(socket.socketDescriptor()))
        return {KavoAnswer::Outcome::Foreign, {}};
    if (!request.isEmpty())
        socket.write(request);
    QByteArray line;
    while (!line.endsWith('\n') && !deadline.hasExpired()) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(remaining(deadline)))
            break;
        line += socket.readAll();
    }
    const QJsonDocument answer = QJsonDocument::fromJson(line);
    if (!answer.isObject())
        return {KavoAnswer::Outcome::NoAnswer, {}};
    return {KavoAnswer::Outcome::Answered, answer.object()};
}

QString foreignAnswerText(const QString& socketPath)
{
    return QStringLiteral("a process of another user answers on %1: its answer is not trusted")
        .arg(socketPath);
}
