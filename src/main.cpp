#include "App.h"
#include "KavoLog.h"
#include "QuitSignals.h"
#include "SingleApplication.h"

#include <cstdio>
#include <cstring>

namespace {
// Qt's own output is not shown, except why Qt stops the program: its fatal message, after the
// platform warning that names the cause (no display to connect to, say). Without them, Kavo
// would end without a word.
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

bool asks_to_show_ui(int argc, char** argv)
{
    for (int i = 0; argc >= 2 && i < argc; ++i) {
        if (std::strcmp(argv[i], "--show_ui") == 0)
            return true;
    }
    return false;
}
} // namespace

int main(int argc, char* argv[])
{
    keep_standard_streams_open();
    qInstallMessageHandler(keep_fatal_qt_messages);
    QuitSignals::catch_signals();
    qputenv("QT_BEARER_POLL_TIMEOUT", "-1");
    QCoreApplication::setApplicationName(QStringLiteral("Kavo"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));

    SingleApplication application(argc, argv);
    if (application.is_secondary())
        return 0;

    int result = 0;
    {
        App app;
        application.set_app(&app);
        if (asks_to_show_ui(argc, argv)) {
            app.create_ui();
            app.set_show_ui_requested(true);
        }

        QuitSignals quit_signals;
        QObject::connect(&quit_signals, &QuitSignals::quit_requested, &app, &App::quit_kavo);
        QObject::connect(&application, &SingleApplication::process_arguments, &app,
                         &App::process_api_command);
        app.process_api_command();
        result = application.exec();
        application.set_app(nullptr);
    }
    return result;
}
