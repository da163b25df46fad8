#include "CalibrationCommands.h"

#include "KavoConnection.h"
#include "KavoLog.h"
#include "KavoSockets.h"
#include "Options.h"
#include "QuitSignals.h"
#include "color/CalibrationKeeper.h"
#include "color/ColorRamp.h"
#include "platform/SessionEnvironment.h"
#include "platform/wayland/DesktopNightLights.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandDisplays.h"
#include "platform/x11/X11Connection.h"

#include <QEventLoop>
#include <QJsonArray>

#include <algorithm>
#include <cstdio>

namespace {
// The ranges the settings allow with their extended values.
constexpr int kMaxTemperature = 10000;
constexpr int kMinBrightness = 10;
constexpr int kMaxBrightness = 150;
// How long to wait for a Kavo, guardian or kavoctl that is letting go of the marker.
constexpr int kMarkerWaitMs = 2000;

const QString kKavoRunning =
    QStringLiteral("Kavo is running: it keeps the colours itself (quit it first)");

bool is_kavo_answering()
{
    return isKavoListening(KavoSockets::status_path());
}

QJsonObject monitor_json(const QString& output, const char* key, const QString& value)
{
    return {{QStringLiteral("output"), output}, {QLatin1String(key), value}};
}

CommandResult apply_to(IDisplays& displays, CalibrationKeeper& keeper, const RampSettings& colors)
{
    const ColorRamp ramp;
    QJsonArray monitors;
    const int count = displays.monitorCount();
    for (int i = 0; i < count; ++i) {
        GammaRamp levels;
        if (!keeper.calibration(i, levels))
            continue;
        ramp.apply(levels, colors);
        if (displays.writeRamp(i, levels))
            monitors.append(monitor_json(displays.monitorIdentity(i).output, "base",
                                         QStringLiteral("calibration")));
    }
    // The monitors now show colours that are not their calibration: the next Kavo, apply or
    // reset takes the calibration from the record, as after a crash.
    keeper.leave_marker();
    if (monitors.isEmpty())
        return CommandResult::failed(QStringLiteral("no monitor took the colours"));
    return CommandResult::ok({{QStringLiteral("temperature"), colors.temperature},
                              {QStringLiteral("brightness"), qRound(colors.brightness * 100.0f)},
                              {QStringLiteral("monitors"), monitors}});
}
bool in_wayland_session()
{
    return chooseBackend(SessionEnvironment::current()).backend == QLatin1String("wayland");
}

// Keeps the connection, and with it the colours, until a quit signal; 1 when the compositor
// ends the connection first.
int hold_colours(WaylandConnection& connection, int monitors)
{
    std::fprintf(stderr,
                 "kavoctl: the compositor keeps these colours only while kavoctl runs: holding "
                 "them on %d monitor(s) until interrupted (Ctrl+C)\n",
                 monitors);
    QuitSignals::catch_signals();
    QuitSignals quit;
    QEventLoop loop;
    QObject::connect(&quit, &QuitSignals::quit_requested, &loop, [&loop] { loop.exit(0); });
    QObject::connect(&connection, &WaylandConnection::broken, &loop, [&loop] { loop.exit(1); });
    // The compositor's notes (a control that fails later) are not kavoctl's answer.
    kavo_log().set_enabled(false);
    return loop.exec();
}

// The desktop's own night light, where the compositor takes no gamma tables (KWin, Mutter).
std::unique_ptr<INightLight> night_light(const WaylandDisplays& displays)
{
    return displays.hasGammaManager() ? nullptr : DesktopNightLights::detect();
}

// The night light keeps the temperature after kavoctl ends; the user's own settings are
// recorded first, for "kavoctl reset" or Kavo's next start to put back.
CommandResult apply_to_night_light(INightLight& light, const RampSettings& colors)
{
    const int percent = qRound(colors.brightness * 100.0f);
    if (!light.unavailableReason().isEmpty())
        return CommandResult::failed(light.unavailableReason());
    if (!light.setTemperature(colors.temperature))
        return CommandResult::failed(QStringLiteral("the desktop's night light (%1) refused the "
                                                    "colours")
                                         .arg(light.route()));
    QJsonObject answer{{QStringLiteral("temperature"), colors.temperature},
                       {QStringLiteral("route"), light.route()}};
    if (light.hasBrightness() && light.setBrightness(std::min(percent, 100)))
        answer.insert(QStringLiteral("brightness"), std::min(percent, 100));
    else
        answer.insert(QStringLiteral("brightness_reason"),
                      QStringLiteral("the desktop offers no backlight"));
    return CommandResult::ok(answer);
}

// On a Wayland compositor the tables last as long as the connection that set them: the answer
// goes out, then kavoctl holds them.
CommandResult apply_on_wayland(const RampSettings& colors)
{
    QString problem;
    std::shared_ptr<WaylandConnection> connection = WaylandConnection::open(&problem);
    if (!connection)
        return CommandResult::failed(QStringLiteral("no Wayland display to apply colours to: ") +
                                     problem);
    kavo_log().set_enabled(false);
    auto displays = std::make_shared<WaylandDisplays>(connection.get());
    const std::unique_ptr<INightLight> light = night_light(*displays);
    kavo_log().set_enabled(true);
    if (light)
        return apply_to_night_light(*light, colors);
    GammaRamp levels = GammaRamp::identity();
    ColorRamp().apply(levels, colors);
    QJsonArray monitors;
    QStringList refusals;
    for (int i = 0; i < displays->monitorCount(); ++i) {
        const QString output = displays->monitorIdentity(i).output;
        if (displays->writeRamp(i, levels))
            monitors.append(monitor_json(output, "base", QStringLiteral("identity")));
        else
            refusals << output + QStringLiteral(": ") + displays->route(i).reason;
    }
    if (monitors.isEmpty())
        return CommandResult::failed(
            QStringLiteral("no monitor took the colours") +
            (refusals.isEmpty()
                 ? QString()
                 : QStringLiteral(" (%1)").arg(refusals.join(QStringLiteral("; ")))));
    CommandResult result =
        CommandResult::ok({{QStringLiteral("temperature"), colors.temperature},
                           {QStringLiteral("brightness"), qRound(colors.brightness * 100.0f)},
                           {QStringLiteral("monitors"), monitors}});
    const int count = monitors.size();
    result.then = [connection, displays, count] { return hold_colours(*connection, count); };
    return result;
}

// A compositor gives every output its own tables back when the program that set them ends:
// there is nothing to write, only to report.
CommandResult reset_on_wayland()
{
    QString problem;
    const std::unique_ptr<WaylandConnection> connection = WaylandConnection::open(&problem);
    if (!connection)
        return CommandResult::failed(QStringLiteral("no Wayland display to reset: ") + problem);
    kavo_log().set_enabled(false);
    const WaylandDisplays displays(connection.get());
    const std::unique_ptr<INightLight> light = night_light(displays);
    kavo_log().set_enabled(true);
    if (light) {
        light->restore();
        return CommandResult::ok({{QStringLiteral("route"), light->route()},
                                  {QStringLiteral("night_light"), QStringLiteral("user's own")}});
    }
    QJsonArray monitors;
    for (int i = 0; i < displays.monitorCount(); ++i) {
        const ColorRoute route = displays.route(i);
        QJsonObject monitor = monitor_json(displays.monitorIdentity(i).output, "ramp",
                                           route.isNone() ? QStringLiteral("unknown")
                                                          : QStringLiteral("compositor's own"));
        if (route.isNone())
            monitor.insert(QStringLiteral("reason"), route.reason);
        monitors.append(monitor);
    }
    if (monitors.isEmpty())
        return CommandResult::failed(QStringLiteral("no monitor could be reset"));
    return CommandResult::ok({{QStringLiteral("monitors"), monitors}});
}
} // namespace

CommandResult applyCommand(const QStringList& arguments)
{
    Options options(arguments, {QStringLiteral("temperature"), QStringLiteral("brightness")});
    options.require(QStringLiteral("temperature"));
    options.require(QStringLiteral("brightness"));
    if (!options.ok())
        return CommandResult::badArguments(options.error());
    const auto temperature = options.integer(QStringLiteral("temperature"), 0, 0, kMaxTemperature);
    const auto brightness = options.integer(QStringLiteral("brightness"), kMinBrightness,
                                            kMinBrightness, kMaxBrightness);
    if (!temperature || !brightness)
        return CommandResult::badArguments(options.error());
    if (is_kavo_answering())
        return CommandResult::kavoRunning(kKavoRunning);
    const RampSettings colors{*temperature, 1.0f, 1.0f, 1.0f, *brightness / 100.0f};
    if (in_wayland_session())
        return apply_on_wayland(colors);
    const std::unique_ptr<X11Connection> x11 = X11Connection::open();
    if (!x11)
        return CommandResult::failed(QStringLiteral("no X display to apply colours to"));

    CalibrationKeeper keeper(x11->displays(), CalibrationRecord::default_path(),
                             CalibrationRecord::default_marker_path());
    // The keeper's notes are Kavo's log lines; standard output carries only the JSON answer.
    kavo_log().set_enabled(false);
    const CalibrationKeeper::Start start = keeper.begin(kMarkerWaitMs);
    kavo_log().set_enabled(true);
    switch (start) {
    case CalibrationKeeper::Start::Shared:
        return CommandResult::kavoRunning(kKavoRunning);
    case CalibrationKeeper::Start::Unavailable:
        return CommandResult::failed(QStringLiteral("the calibration cannot be recorded in ") +
                                     keeper.record_path());
    default:
        break;
    }
    return apply_to(x11->displays(), keeper, colors);
}

CommandResult resetCommand(const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return CommandResult::badArguments(QStringLiteral("reset takes no arguments"));
    if (is_kavo_answering())
        return CommandResult::kavoRunning(kKavoRunning);
    if (in_wayland_session())
        return reset_on_wayland();
    const std::unique_ptr<X11Connection> x11 = X11Connection::open();
    if (!x11)
        return CommandResult::failed(QStringLiteral("no X display to reset"));

    FileLock marker(CalibrationRecord::default_marker_path());
    if (!marker.tryLock(kMarkerWaitMs) && marker.heldElsewhere())
        return CommandResult::kavoRunning(kKavoRunning);
    CalibrationRecord record;
    record.load(CalibrationRecord::default_path());
    const GammaRamp identity = GammaRamp::identity();
    QJsonArray monitors;
    for (const CalibrationRecord::Restored& monitor : record.restore(x11->displays(), &identity))
        monitors.append(monitor_json(monitor.output, "ramp",
                                     monitor.recorded ? QStringLiteral("calibration")
                                                      : QStringLiteral("identity")));
    // Every monitor shows its own ramp again: nothing is left to restore.
    marker.removeAndUnlock();
    if (monitors.isEmpty())
        return CommandResult::failed(QStringLiteral("no monitor could be reset"));
    return CommandResult::ok({{QStringLiteral("monitors"), monitors}});
}
