// kavoctl: Kavo's command-line companion. Each subcommand prints one JSON object on standard
// output; bad arguments print one line on standard error and exit with status 2.
#include "CalibrationCommands.h"
#include "Command.h"
#include "ControlCommand.h"
#include "MatrixCommand.h"
#include "RampCommand.h"
#include "RemoteCommand.h"
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

Command control(const char* name, const char* usage)
{
    return {name, usage, [name](const QStringList& arguments) {
                return controlCommand(QLatin1String(name), arguments);
            }};
}

const std::vector<Command>& commands()
{
    static const std::vector<Command> table = {
        {"version", "kavoctl version", version},
        {"ramp",
         "kavoctl ramp --temperature K --brightness P [--scheme S] [--leading-color L] [--base "
         "identity|inverted]",
         rampCommand},
        {"matrix",
         "kavoctl matrix --temperature K --brightness P [--scheme S] [--leading-color L] [--effect "
         "E] [--inverted] [--saturation PERCENT]",
         matrixCommand},
        {"sun", "kavoctl sun --latitude LAT --longitude LON [--at TIME]", sunCommand},
        {"schedule", "kavoctl schedule --settings FILE [--at TIME] [--monitor N]", scheduleCommand},
        {"status", "kavoctl status", statusCommand},
        {"apply",
         "kavoctl apply --temperature K --brightness P   (0..10000 K, 10..150 %; refused with "
         "status 3 while Kavo runs)",
         applyCommand},
        {"reset", "kavoctl reset   (refused with status 3 while Kavo runs)", resetCommand},
        control("pause", "kavoctl pause"),
        control("resume", "kavoctl resume"),
        control("mode", "kavoctl mode automatic|manual|paused"),
        control("type", "kavoctl type NAME"),
        control("location", "kavoctl location LAT LON"),
        control("set", "kavoctl set temperature|brightness day|night VALUE"),
    };
    return table;
}

const char* const kValues =
    "Options take their value as --name VALUE or --name=VALUE. Values:\n"
    "  K        colour temperature in kelvin, 0..10000\n"
    "  P        brightness in percent, 10..150 (100 is unchanged)\n"
    "  S        colour scheme 1..6;  L  leading colour 1..3;  E  colour effect 1..28\n"
    "  PERCENT  saturation 0..200\n"
    "  LAT      degrees north, -90..90;  LON  degrees east, -180..180\n"
    "  TIME     ISO 8601 (2026-06-10T21:45:00+02:00; local time without an offset) or\n"
    "           milliseconds since 1970; the running desktop's clock when left out\n"
    "  N        monitor number, 0 for all monitors\n"
    "  NAME     a type: custom, health, sleep, gaming, reading, programming, biohacker,\n"
    "           sunglasses, dark, movie, overlay\n"
    "  VALUE    kelvin (K) for temperature, percent (P) for brightness\n"
    "\n"
    "status, pause, resume, mode, type, location and set talk to the running Kavo and give\n"
    "up after 5 s; the last six answer with its new status. pause holds the colours at\n"
    "neutral; resume follows the schedule again (mode paused becomes automatic).\n"
    "Exit status: 0 done; 1 Kavo is not running (status prints {\"running\": false}) or did\n"
    "not answer or refused; 2 bad arguments.\n";

void printHelp(FILE* stream)
{
    std::fprintf(stream, "usage:\n");
    for (const Command& command : commands())
        std::fprintf(stream, "  %s\n", command.usage);
    std::fprintf(stream, "\n%s", kValues);
}

bool asksForHelp(const QString& argument)
{
    return argument == QLatin1String("help") || argument == QLatin1String("--help") ||
           argument == QLatin1String("-h");
}

int finish(const CommandResult& result)
{
    if (!result.output.isEmpty()) {
        const QByteArray json = QJsonDocument(result.output).toJson(QJsonDocument::Compact);
        std::printf("%s\n", json.constData());
    }
    if (!result.error.isEmpty())
        std::fprintf(stderr, "kavoctl: %s\n", result.error.toUtf8().constData());
    if (result.then) {
        std::fflush(stdout);
        return result.then();
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
    if (arguments.isEmpty() || asksForHelp(arguments.first())) {
        printHelp(arguments.isEmpty() ? stderr : stdout);
        return arguments.isEmpty() ? kStatusBadArguments : kStatusOk;
    }
    const QString name = arguments.takeFirst();
    for (const Command& command : commands()) {
        if (name == QLatin1String(command.name))
            return finish(command.run(arguments));
    }
    return finish(CommandResult::badArguments(QStringLiteral("unknown command: ") + name));
}
