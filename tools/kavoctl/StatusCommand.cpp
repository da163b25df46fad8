#include "StatusCommand.h"

#include "StatusServer.h"

#include <QJsonDocument>
#include <QLocalSocket>

CommandResult statusCommand(const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return CommandResult::badArguments(QStringLiteral("status takes no arguments"));
    QLocalSocket socket;
    socket.connectToServer(StatusServer::socket_path(), QIODevice::ReadOnly);
    if (!socket.waitForConnected(2000))
        return CommandResult::failed(QStringLiteral("Kavo is not running"));
    QByteArray answer;
    while (!answer.endsWith('\n') && socket.waitForReadyRead(5000))
        answer += socket.readAll();
    answer += socket.readAll();
    const QJsonDocument status = QJsonDocument::fromJson(answer);
    if (!status.isObject())
        return CommandResult::failed(QStringLiteral("Kavo gave no status"));
    return CommandResult::ok(status.object());
}
