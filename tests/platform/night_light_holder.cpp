// Holds a colour temperature through the desktop's night light, as Kavo does, until it is
// killed: the tests end it with SIGKILL and check that the next start gives the user's own
// settings back. Prints "held <route>" once the temperature is set, or "refused" and why.
#include "KavoLog.h"
#include "platform/wayland/DesktopNightLights.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kavo"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QTextStream out(stdout);
    const int kelvin = app.arguments().value(1).toInt();
    // Kavo's log shares standard output with the answer.
    kavo_log().set_enabled(false);
    const auto light = DesktopNightLights::detect();
    if (!light || kelvin <= 0 || !light->setTemperature(kelvin)) {
        out << "refused";
        if (light && !light->unavailableReason().isEmpty())
            out << ": " << light->unavailableReason();
        out << '\n';
        return 1;
    }
    out << "held " << light->route() << '\n';
    out.flush();
    return app.exec();
}
