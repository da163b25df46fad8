#include "StatusCommand.h"

#include "KavoConnection.h"
#include "StatusServer.h"

CommandResult statusCommand(const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return CommandResult::badArguments(QStringLiteral("status takes no arguments"));
    const KavoAnswer answer = askKavo(StatusServer::socket_path(), {});
    switch (answer.outcome) {
    case KavoAnswer::Outcome::NotRunning:
        // Scripts and status bars read standard output: it says so there too.
        return {kStatusFailed, {{QStringLiteral("running"), false}}, {}};
    case KavoAnswer::Outcome::NoAnswer:
        return CommandResult::failed(
            QStringLiteral("Kavo did not answer within %1 s").arg(kKavoDeadlineMs / 1000));
    case KavoAnswer::Outcome::Foreign:
        return CommandResult::failed(foreignAnswerText(StatusServer::socket_path()));
    case KavoAnswer::Outcome::Answered:
        break;
    }
    QJsonObject status = answer.object;
    status.insert(QStringLiteral("running"), true);
    return CommandResult::ok(status);
}
