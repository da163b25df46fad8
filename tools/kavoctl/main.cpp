// kavoctl: Kavo's command-line companion. Each subcommand prints one JSON object on standard
// output; bad arguments print one line on standard error and exit with status 2.
#include "CalibrationCommands.h"
#include "Command.h"
#include "MatrixCommand.h"
#include "RampCommand.h"
#include "ScheduleCommand.h"
#include "StatusCommand.h"
#include "SunCommand.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <cstdio>
#include <vector>

namespace {
CommandResult version(const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return CommandResult::badArguments(QStringLiteral("version takes no arguments"));
    return CommandResult::ok({{QStringLiteral("version"), QStringLiteral(KAVO_VERSION)}});
}

const std::vector<Command>& commands()
{
    static const std::vector<Command> table = {
        {"version", "kavoctl version", version},
        {"ramp",
         "kavoctl ramp --temperature K --brightness B [--scheme S] [--leading-color L] [--base "
         "identity|inverted]",
         rampCommand},
        {"matrix",
         "kavoctl matrix --temperature K --brightness B [--scheme S] [--leading-color L] [--effect "
         "E] [--inverted] [--saturation P]",
         matrixCommand},
        {"sun", "kavoctl sun --latitude LAT --longitude LON [--at MS]", sunCommand},
        {"schedule", "kavoctl schedule --settings FILE [--at MS] [--monitor N]", scheduleCommand},
        {"status", "kavoctl status", statusCommand},
        {"apply",
         "kavoctl apply --temperature K --brightness P   (0..10000 K, 10..150 %; refused with "
         "status 3 while Kavo runs)",
         applyCommand},
        {"reset", "kavoctl reset   (refused with status 3 while Kavo runs)", resetCommand},
    };
    return table;
}

void printUsage(FILE* stream)
{
    std::fprintf(stream, "usage:\n");
    for (const Command& command : commands())
        std::fprintf(stream, "  %s\n", command.usage);
}

int finish(const CommandResult& result)
{
    if (result.status == kStatusOk) {
        const QByteArray json = QJsonDocument(result.output).toJson(QJsonDocument::Compact);
        std::printf("%s\n", json.constData());
    } else {
        std::fprintf(stderr, "kavoctl: %s\n", result.error.toUtf8().constData());
    }
    return result.status;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    // The names the running Kavo's sockets are named after.
    QCoreApplication::setApplicationName(QStringLiteral("Kavo"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.first() == QLatin1String("help")) {
        printUsage(arguments.isEmpty() ? stderr : stdout);
        return arguments.isEmpty() ? kStatusBadArguments : kStatusOk;
    }
    const QString name = arguments.takeFirst();
    for (const Command& command : commands()) {
        if (name == QLatin1String(command.name))
            return finish(command.run(arguments));
    }
    return finish(CommandResult::badArguments(QStringLiteral("unknown command: ") + name));
}
