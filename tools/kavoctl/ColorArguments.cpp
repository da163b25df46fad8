#include "ColorArguments.h"

#include <limits>

const QStringList ColorArguments::kNames = {QStringLiteral("temperature"),
                                            QStringLiteral("brightness"), QStringLiteral("scheme"),
                                            QStringLiteral("leading-color")};

std::optional<int> ColorArguments::integer(Options& options, const QString& name, int fallback,
                                           QString& error)
{
    const std::optional<qint64> value = options.integer(name, fallback);
    if (!value) {
        error = options.error();
        return std::nullopt;
    }
    if (*value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max()) {
        error = QStringLiteral("--%1 is out of range").arg(name);
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::optional<ColorArguments> ColorArguments::parse(Options& options, QString& error)
{
    if (!options.ok() || !options.require(QStringLiteral("temperature")) ||
        !options.require(QStringLiteral("brightness"))) {
        error = options.error();
        return std::nullopt;
    }
    const auto temperature = integer(options, QStringLiteral("temperature"), 0, error);
    const auto brightness = options.number(QStringLiteral("brightness"), 1.0);
    if (!brightness && error.isEmpty())
        error = options.error();
    const auto scheme = integer(options, QStringLiteral("scheme"), 1, error);
    const auto leading = integer(options, QStringLiteral("leading-color"), 1, error);
    if (!error.isEmpty() || !temperature || !brightness || !scheme || !leading)
        return std::nullopt;
    if (*temperature < 0) {
        error = QStringLiteral("--temperature must be 0 or more");
        return std::nullopt;
    }
    if (static_cast<float>(*brightness) < 0.05f) {
        error = QStringLiteral("--brightness must be 0.05 or more");
        return std::nullopt;
    }
    ColorArguments arguments;
    arguments.settings.temperature = *temperature;
    arguments.settings.brightness = static_cast<float>(*brightness);
    arguments.ramp.select_scheme(*scheme);
    arguments.ramp.set_leading_color(*leading);
    return arguments;
}
