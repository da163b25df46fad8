#include "CommandLine.h"

namespace CommandLine {

Request request(const QStringList& arguments)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h")))
        return Request::Help;
    if (arguments.contains(QLatin1String("--version")))
        return Request::Version;
    return Request::Run;
}

bool is_native_messaging(const QStringList& arguments)
{
    QStringList remaining = arguments;
    remaining.removeAll(QString());
    return remaining.value(0) == QLatin1String("-native-messaging");
}

bool asks_to_show_ui(const QStringList& arguments)
{
    return arguments.contains(QLatin1String("--show_ui"));
}

QString help_text()
{
    return QStringLiteral(
        "Usage: kavo [--show_ui] [COMMAND]\n"
        "       kavo -native-messaging\n"
        "       kavo --help | -h | --version\n"
        "\n"
        "Kavo follows the sun with the colour temperature and brightness of every monitor\n"
        "and reminds you to rest. One Kavo runs per user: a later launch hands COMMAND to\n"
        "the running Kavo and ends (without COMMAND, the running Kavo opens its window).\n"
        "\n"
        "  COMMAND            console commands joined by \"+\" (\"open+type Health\"), or a\n"
        "                     kavo: link (\"kavo:open-settings-page\")\n"
        "  --show_ui          open the main window at once\n"
        "  -native-messaging  read COMMAND from standard input as one browser native\n"
        "                     message; log lines go to standard error\n"
        "  -h, --help         print this help and exit\n"
        "  --version          print the version and exit\n"
        "\n"
        "Environment:\n"
        "  KAVO_PLATFORM=sim|x11|wayland  the desktop to run on (otherwise the session\n"
        "                         decides); sim is the simulated desktop and needs no display\n"
        "  KAVO_PARTS_DIR         the only folder to load Kavo's parts (web views, camera,\n"
        "                         sounds) from\n"
        "  KAVO_SETTINGS_DIR      the folder of kavo_settings.ini\n"
        "  KAVO_SIM_CONFIG, KAVO_SIM_STATE  the simulated desktop's config and state files\n"
        "\n"
        "kavoctl, the companion for scripts and status bars, lists its commands with\n"
        "\"kavoctl help\".\n");
}

QString version_text()
{
    return QStringLiteral("Kavo " KAVO_VERSION "\n");
}

QStringList from_argv(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

} // namespace CommandLine
