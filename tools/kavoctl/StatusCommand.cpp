#include "StatusCommand.h"

#include "KavoConnection.h"
#include "KavoSockets.h"
#include "Options.h"
#include "WaybarFormat.h"

#include <QJsonDocument>

#include <cstdio>
#include <functional>

namespace {
using Shape = std::function<QJsonObject(const QJsonObject&)>;

QJsonObject as_reported(const QJsonObject& status)
{
    return status;
}

QJsonObject running_status(QJsonObject status)
{
    status.insert(QStringLiteral("running"), true);
    return status;
}

const QJsonObject kNotRunning{{QStringLiteral("running"), false}};

CommandResult no_answer()
{
    return CommandResult::failed(
        QStringLiteral("Kavo did not answer within %1 s").arg(kKavoDeadlineMs / 1000));
}

CommandResult status_once(const Shape& shape)
{
    const KavoAnswer answer = askKavo(KavoSockets::status_path(), {});
    switch (answer.outcome) {
    case KavoAnswer::Outcome::NotRunning:
        // Scripts and status bars read standard output: it says so there too.
        return {kStatusFailed, shape(kNotRunning), {}};
    case KavoAnswer::Outcome::NoAnswer:
        return no_answer();
    case KavoAnswer::Outcome::Foreign:
        return CommandResult::failed(foreignAnswerText(KavoSockets::status_path()));
    case KavoAnswer::Outcome::Answered:
        break;
    }
    return CommandResult::ok(shape(running_status(answer.object)));
}

// A line per status Kavo sends, each flushed at once: the reader is a status bar waiting on a
// pipe. Ends, with status 1, when Kavo does.
CommandResult status_followed(const Shape& shape)
{
    const auto print = [&shape](const QJsonObject& status) {
        const QByteArray line =
            QJsonDocument(shape(running_status(status))).toJson(QJsonDocument::Compact);
        std::printf("%s\n", line.constData());
        std::fflush(stdout);
    };
    switch (followKavo(KavoSockets::status_follow_path(), print)) {
    case KavoAnswer::Outcome::NotRunning:
        return {kStatusFailed, shape(kNotRunning), {}};
    case KavoAnswer::Outcome::NoAnswer:
        return no_answer();
    case KavoAnswer::Outcome::Foreign:
        return CommandResult::failed(foreignAnswerText(KavoSockets::status_follow_path()));
    case KavoAnswer::Outcome::Answered:
        break;
    }
    return CommandResult::failed(QStringLiteral("Kavo ended"));
}
} // namespace

CommandResult statusCommand(const QStringList& arguments)
{
    Options options(arguments, {QStringLiteral("format")}, {QStringLiteral("follow")});
    if (!options.ok())
        return CommandResult::badArguments(options.error());
    const QString format = options.text(QStringLiteral("format"), QStringLiteral("json"));
    if (format != QLatin1String("json") && format != QLatin1String("waybar"))
        return CommandResult::badArguments(
            QStringLiteral("--format must be json or waybar, not \"%1\"").arg(format));
    const Shape shape = format == QLatin1String("waybar") ? Shape(waybarStatus) : as_reported;
    return options.has(QStringLiteral("follow")) ? status_followed(shape) : status_once(shape);
}
