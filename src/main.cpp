#include "App.h"
#include "QuitSignals.h"
#include "SingleApplication.h"

#include <cstdio>
#include <cstring>

namespace {
// Qt's own output is not shown, except the reason Qt stops the program (no display to
// connect to, say): without it, Kavo would end without a word.
void keep_fatal_qt_messages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "Kavo stops: %s\n", qUtf8Printable(message));
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
