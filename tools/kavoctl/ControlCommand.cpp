#include "ControlCommand.h"

#include "KavoConnection.h"
#include "KavoSockets.h"
#include "RemoteCommand.h"

#include <QJsonArray>
#include <QJsonDocument>

CommandResult controlCommand(const QString& name, const QStringList& arguments)
{
    const QStringList words = QStringList{name} + arguments;
    QString error;
    if (!RemoteCommand::parse(words, error))
        return CommandResult::badArguments(error);
    const QJsonObject request{{QStringLiteral("command"), QJsonArray::fromStringList(words)}};
    const KavoAnswer answer = askKavo(KavoSockets::instance_path(),
                                      QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n');
    switch (answer.outcome) {
    case KavoAnswer::Outcome::NotRunning:
        return CommandResult::failed(QStringLiteral("Kavo is not running"));
    case KavoAnswer::Outcome::NoAnswer:
        return CommandResult::failed(
            QStringLiteral("Kavo did not answer within %1 s").arg(kKavoDeadlineMs / 1000));
    case KavoAnswer::Outcome::Foreign:
        return CommandResult::failed(foreignAnswerText(KavoSockets::instance_path()));
    case KavoAnswer::Outcome::Answered:
        break;
    }
    if (answer.object.contains(QLatin1String("error")))
        return CommandResult::failed(answer.object.value(QLatin1String("error")).toString());
    QJsonObject status = answer.object;
    status.insert(QStringLiteral("running"), true);
    return CommandResult::ok(status);
}
