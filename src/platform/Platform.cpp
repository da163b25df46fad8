#include "platform/Platform.h"

#include "KavoLog.h"
#include "platform/sim/SimDesktop.h"
#include "platform/wayland/WaylandPlatform.h"
#include "platform/x11/X11Platform.h"

#include <QGuiApplication>

namespace {
std::unique_ptr<Platform>& installed()
{
    static std::unique_ptr<Platform> platform;
    return platform;
}

bool is_backend(const QString& name)
{
    return name == QLatin1String("sim") || name == QLatin1String("x11") ||
           name == QLatin1String("wayland");
}
} // namespace

SessionEnvironment SessionEnvironment::current()
{
    SessionEnvironment environment;
    environment.requested = qEnvironmentVariable("KAVO_PLATFORM");
    environment.qtPlatform = QGuiApplication::instance() ? QGuiApplication::platformName()
                                                         : qEnvironmentVariable("QT_QPA_PLATFORM");
    environment.waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    environment.x11Display = qEnvironmentVariable("DISPLAY");
    environment.sessionType = qEnvironmentVariable("XDG_SESSION_TYPE");
    return environment;
}

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

BackendChoice Platform::selectBackend(const SessionEnvironment& environment)
{
    if (is_backend(environment.requested))
        return {environment.requested, {}};
    QString message;
    if (!environment.requested.isEmpty())
        message = QStringLiteral("Unknown KAVO_PLATFORM \"%1\" (use sim, x11 or wayland)")
                      .arg(environment.requested);
    // Qt's platform name may carry options ("xcb:...").
    const QString qt = environment.qtPlatform.section(QLatin1Char(':'), 0, 0);
    if (qt == QLatin1String("offscreen") || qt == QLatin1String("minimal"))
        return {QStringLiteral("sim"), message};
    if (!environment.waylandDisplay.isEmpty() ||
        environment.sessionType == QLatin1String("wayland"))
        return {QStringLiteral("wayland"), message};
    if (!environment.x11Display.isEmpty() || environment.sessionType == QLatin1String("x11") ||
        qt == QLatin1String("xcb"))
        return {QStringLiteral("x11"), message};
    const QString none = QStringLiteral("No desktop to run on: no X display and no Wayland display "
                                        "is set (DISPLAY and WAYLAND_DISPLAY are empty)");
    return {QString(), message.isEmpty() ? none : message + QStringLiteral("; ") + none};
}

std::unique_ptr<Platform> Platform::createFromEnvironment()
{
    const BackendChoice choice = selectBackend(SessionEnvironment::current());
    if (!choice.message.isEmpty())
        log_line(choice.message);

    std::unique_ptr<Platform> platform;
    if (choice.backend == QLatin1String("x11")) {
        platform = X11Platform::open();
        if (!platform)
            log_line(QStringLiteral("No X display could be opened"));
    } else if (choice.backend == QLatin1String("wayland")) {
        platform = std::make_unique<WaylandPlatform>();
    } else if (choice.backend == QLatin1String("sim")) {
        platform = SimDesktop::fromEnvironment();
    }
    if (!platform) {
        log_line(QStringLiteral("Kavo runs on the simulated desktop: no screen shows its colours"));
        platform = SimDesktop::fromEnvironment();
    }
    log_line(platform->description());
    return platform;
}

ColorRoute Platform::route(int index)
{
    if (INightLight* light = nightLight())
        return {light->route(), {}};
    return displays().route(index);
}

QString Platform::description()
{
    QString line = QStringLiteral("Platform: ") + name();
    if (!detail().isEmpty())
        line += QStringLiteral(" (%1)").arg(detail());
    QStringList routes;
    IDisplays& monitors = displays();
    for (int i = 0; i < monitors.monitorCount(); ++i) {
        const ColorRoute shown = route(i);
        QString text = shown.name + QStringLiteral(" on ") + monitors.monitorIdentity(i).output;
        if (!shown.reason.isEmpty())
            text += QStringLiteral(" (%1)").arg(shown.reason);
        routes << text;
    }
    if (routes.isEmpty())
        routes << QStringLiteral("none (no monitor)");
    return line + QStringLiteral("; colours: ") + routes.join(QStringLiteral(", "));
}

QString Platform::noColorRouteReason()
{
    IDisplays& monitors = displays();
    const int count = monitors.monitorCount();
    if (count == 0 && !nightLight())
        return detail().isEmpty() ? QStringLiteral("no monitor is attached")
                                  : QStringLiteral("no monitor is attached (%1)").arg(detail());
    QStringList reasons;
    for (int i = 0; i < count; ++i) {
        const ColorRoute shown = route(i);
        if (!shown.isNone())
            return {};
        if (!reasons.contains(shown.reason))
            reasons << shown.reason;
    }
    return reasons.join(QStringLiteral("; "));
}
