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

std::unique_ptr<Platform> Platform::createFromEnvironment()
{
    SessionEnvironment environment = SessionEnvironment::current();
    if (QGuiApplication::instance())
        environment.qtPlatform = QGuiApplication::platformName();
    const BackendChoice choice = selectBackend(environment);
    if (!choice.message.isEmpty())
        log_line(choice.message);

    std::unique_ptr<Platform> platform;
    // What the pages will say about this desktop, named once after the backend.
    QStringList pageNotes;
    if (choice.backend == QLatin1String("x11")) {
        platform = X11Platform::open();
        if (!platform)
            log_line(QStringLiteral("No X display could be opened"));
    } else if (choice.backend == QLatin1String("wayland")) {
        auto wayland = std::make_unique<WaylandPlatform>();
        for (const PageNote& note : wayland->abilities().notes())
            if (!note.works)
                pageNotes << QStringLiteral("Wayland, %1: %2").arg(note.page, note.text);
        platform = std::move(wayland);
    } else if (choice.backend == QLatin1String("sim")) {
        platform = SimDesktop::fromEnvironment();
    }
    if (!platform) {
        log_line(QStringLiteral("Kavo runs on the simulated desktop: no screen shows its colours"));
        platform = SimDesktop::fromEnvironment();
    }
    log_line(platform->description());
    for (const QString& note : pageNotes)
        log_line(note);
    return platform;
}

ColorRoute Platform::route(int index)
{
    if (INightLight* light = nightLight()) {
        const QString unavailable = light->unavailableReason();
        return unavailable.isEmpty() ? ColorRoute{light->route(), {}}
                                     : ColorRoute::none(unavailable);
    }
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
