#include "ColorArguments.h"

#include "RemoteCommand.h"

const QStringList ColorArguments::kNames = {QStringLiteral("temperature"),
                                            QStringLiteral("brightness"), QStringLiteral("scheme"),
                                            QStringLiteral("leading-color")};

std::optional<ColorArguments> ColorArguments::parse(Options& options, QString& error)
{
    options.require(QStringLiteral("temperature"));
    options.require(QStringLiteral("brightness"));
    const auto temperature =
        options.integer(QStringLiteral("temperature"), 0, RemoteCommand::kMinTemperature,
                        RemoteCommand::kMaxTemperature);
    const auto brightness =
        options.number(QStringLiteral("brightness"), 100.0, RemoteCommand::kMinBrightness,
                       RemoteCommand::kMaxBrightness);
    const auto scheme = options.integer(QStringLiteral("scheme"), 1, 1, 6);
    const auto leading = options.integer(QStringLiteral("leading-color"), 1, 1, 3);
    if (!options.ok()) {
        error = options.error();
        return std::nullopt;
    }
    ColorArguments arguments;
    arguments.settings.temperature = *temperature;
    arguments.settings.brightness = static_cast<float>(*brightness / 100.0);
    arguments.ramp.select_scheme(*scheme);
    arguments.ramp.set_leading_color(*leading);
    return arguments;
}
