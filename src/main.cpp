#include "App.h"
#include "CommandLine.h"
#include "DisplayCheck.h"
#include "InstallLocation.h"
#include "LaunchCommands.h"
#include "QuitSignals.h"
#include "RemoteControl.h"
#include "SingleApplication.h"
#include "platform/Platform.h"
#include "platform/StandardStreams.h"
#include "settings/SaveManager.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>

namespace {
// Qt's own output is not shown, except why Qt stops the program: its fatal message, after the
// platform warning that names the cause. Without them, Kavo would end without a word.
void keep_fatal_qt_messages(QtMsgType type, const QMessageLogContext& context,
                            const QString& message)
{
    static QString platform_problem;
    if (type == QtFatalMsg) {
        if (!platform_problem.isEmpty())
            std::fprintf(stderr, "Kavo stops: %s\n", qUtf8Printable(platform_problem));
        std::fprintf(stderr, "Kavo stops: %s\n", qUtf8Printable(message));
    } else if ((type == QtWarningMsg || type == QtCriticalMsg) && context.category &&
               std::strncmp(context.category, "qt.qpa", 6) == 0) {
        platform_problem = message;
    }
}

// Help and version print and end before anything else: no socket, no settings, no ramps.
int print_and_end(const QString& text)
{
    std::fputs(qUtf8Printable(text), stdout);
    return 0;
}
} // namespace

int main(int argc, char* argv[])
{
    StandardStreams::keepOpen();
    const QStringList arguments = CommandLine::from_argv(argc, argv);
    switch (CommandLine::request(arguments)) {
    case CommandLine::Request::Help:
        return print_and_end(CommandLine::help_text());
    case CommandLine::Request::Version:
        return print_and_end(CommandLine::version_text());
    case CommandLine::Request::Run:
        break;
    }
    // Standard output is the browser's channel then: Kavo replies nothing, so nothing goes there.
    if (CommandLine::is_native_messaging(arguments))
        StandardStreams::redirectOutputToErrors();

    qInstallMessageHandler(keep_fatal_qt_messages);
    const QString display_problem = DisplayCheck::prepare(arguments);
    if (!display_problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(display_problem));
        return 1;
    }
    QuitSignals::catch_signals();
    qputenv("QT_BEARER_POLL_TIMEOUT", "-1");
    QCoreApplication::setApplicationName(QStringLiteral("Kavo"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    // Desktops match Kavo's windows to its menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(QLatin1String(InstallLocation::kAppId));

    SingleApplication application(argc, argv);
    DisplayCheck::forget_painting_choice();
    if (application.is_secondary())
        return application.role() == SingleApplication::Role::HandedOver ? 0 : 1;

    int result = 0;
    {
        App app;
        application.set_app(&app);
        if (CommandLine::asks_to_show_ui(arguments)) {
            app.create_ui();
            app.set_show_ui_requested(true);
        }

        RemoteControl remote_control(app);
        application.set_request_handler(
            [&remote_control](const QJsonObject& request) { return remote_control.run(request); });
        QuitSignals quit_signals;
        QObject::connect(&quit_signals, &QuitSignals::quit_requested, &app, &App::quit_kavo);
        LaunchCommands launch_commands([&app](const QString& part) { app.run_launch_part(part); },
                                       [] {
                                           return SaveManager::instance()
                                                      ? SaveManager::instance()->save_settings()
                                                      : QString();
                                       });
        application.set_launch_handler(
            [&launch_commands](const QString& text, InstanceServer::Reply reply) {
                launch_commands.add(text, std::move(reply));
            });
        if (!application.own_command().isEmpty())
            launch_commands.add(application.own_command());
        result = application.exec();
        application.set_launch_handler(nullptr);
        application.set_request_handler(nullptr);
        application.set_app(nullptr);
    }
    // The desktop's services go while the application and its D-Bus connection still run: an
    // object exported on the bus cannot be let go once they are gone.
    Platform::uninstall();
    return result;
}
