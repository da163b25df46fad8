#include "platform/SessionEnvironment.h"

namespace {
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
    environment.qtPlatform = qEnvironmentVariable("QT_QPA_PLATFORM");
    environment.waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    environment.x11Display = qEnvironmentVariable("DISPLAY");
    environment.sessionType = qEnvironmentVariable("XDG_SESSION_TYPE");
    return environment;
}

BackendChoice chooseBackend(const SessionEnvironment& environment)
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
