#include "CalibrationCommands.h"

#include "KavoLog.h"
#include "Options.h"
#include "StatusServer.h"
#include "color/CalibrationKeeper.h"
#include "color/ColorRamp.h"
#include "platform/SocketOwner.h"
#include "platform/x11/X11Connection.h"

#include <QJsonArray>
#include <QLocalSocket>

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
    QLocalSocket socket;
    socket.connectToServer(StatusServer::socket_path(), QIODevice::ReadOnly);
    // Another user's process there is no Kavo of this user's.
    return socket.waitForConnected(1000) && SocketOwner::peer_is_user(socket.socketDescriptor());
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
    return apply_to(x11->displays(), keeper,
                    RampSettings{*temperature, 1.0f, 1.0f, 1.0f, *brightness / 100.0f});
}

CommandResult resetCommand(const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return CommandResult::badArguments(QStringLiteral("reset takes no arguments"));
    if (is_kavo_answering())
        return CommandResult::kavoRunning(kKavoRunning);
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
