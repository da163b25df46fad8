#include "platform/Platform.h"

#include "KavoLog.h"
#include "platform/sim/SimDesktop.h"
#include "platform/x11/X11Platform.h"

#include <QGuiApplication>

namespace {
std::unique_ptr<Platform>& installed()
{
    static std::unique_ptr<Platform> platform;
    return platform;
}
} // namespace

Platform& Platform::current()
{
    if (!installed())
        install(createFromEnvironment());
    return *installed();
}

void Platform::install(std::unique_ptr<Platform> platform)
{
    installed() = std::move(platform);
}

void Platform::uninstall()
{
    installed().reset();
}

QString Platform::selectBackend(const QString& requested, const QString& qtPlatform,
                                QString* problem)
{
    if (requested == QLatin1String("sim") || requested == QLatin1String("x11"))
        return requested;
    if (!requested.isEmpty() && problem)
        *problem = QStringLiteral("Unknown KAVO_PLATFORM \"%1\" (use sim or x11)").arg(requested);
    return qtPlatform == QLatin1String("xcb") ? QStringLiteral("x11") : QStringLiteral("sim");
}

std::unique_ptr<Platform> Platform::createFromEnvironment()
{
    QString problem;
    const QString backend = selectBackend(qEnvironmentVariable("KAVO_PLATFORM"),
                                          QGuiApplication::platformName(), &problem);
    if (!problem.isEmpty())
        log_line(problem);

    if (backend == QLatin1String("x11")) {
        if (auto x11 = X11Platform::open()) {
            log_line(QStringLiteral("Platform: x11"));
            return x11;
        }
        log_line(QStringLiteral("No X display could be opened; using the simulated desktop"));
    }
    log_line(QStringLiteral("Platform: sim"));
    return SimDesktop::fromEnvironment();
}
