// kavo-screenshots <output folder> [language]: the real main window on a simulated desktop,
// rendered offscreen to PNG files so that its look can be reviewed without a display.
#include "App.h"
#include "ScreenshotSession.h"
#include "network/Translator.h"
#include "platform/sim/SimDesktop.h"
#include "settings/SaveManager.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTextStream>

namespace {
void discard_qt_messages(QtMsgType, const QMessageLogContext&, const QString&)
{
}

// Two monitors of different sizes; every setting at its default.
const char kDesktop[] = R"({"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080},
                                         {"x": 1920, "y": 0, "width": 2560, "height": 1440}],
                           "clock": {"now": "2026-06-10T21:45:00+02:00", "running": false}})";

bool write_file(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(discard_qt_messages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kavo"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QTextStream err(stderr);
    const QString language = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("en");
    if ((argc != 2 && argc != 3) || !Translator::language_codes().contains(language)) {
        err << "usage: kavo-screenshots <output folder> [language code: "
            << Translator::language_codes().join(QLatin1Char(' ')) << "]\n";
        return 2;
    }

    QTemporaryDir scratch;
    const QString desktop = scratch.filePath(QStringLiteral("desktop.json"));
    if (!scratch.isValid() || !write_file(desktop, kDesktop)) {
        err << "Cannot prepare a scratch folder\n";
        return 1;
    }
    qputenv("KAVO_SETTINGS_DIR", scratch.filePath(QStringLiteral("settings")).toUtf8());
    qputenv("XDG_CONFIG_HOME", scratch.filePath(QStringLiteral("config")).toUtf8());
    Platform::install(std::make_unique<SimDesktop>(desktop, QString()));

    int result = 1;
    {
        SaveManager save_manager;
        App app;
        app.language_changed(language);
        QDir output(QString::fromLocal8Bit(argv[1]));
        output.mkpath(QStringLiteral("."));
        result = ScreenshotSession(app, output).run() ? 0 : 1;
    }
    Platform::uninstall();
    return result;
}
