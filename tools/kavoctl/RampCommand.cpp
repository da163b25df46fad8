#include "RampCommand.h"

#include "ColorArguments.h"

#include <QJsonArray>

namespace {
QJsonArray levels(const GammaRamp::Channel& channel)
{
    QJsonArray array;
    for (quint16 level : channel)
        array.append(level);
    return array;
}
} // namespace

CommandResult rampCommand(const QStringList& arguments)
{
    Options options(arguments, ColorArguments::kNames + QStringList{QStringLiteral("base")});
    QString error;
    const std::optional<ColorArguments> colors = ColorArguments::parse(options, error);
    if (!colors)
        return CommandResult::badArguments(error);
    const QString base = options.text(QStringLiteral("base"), QStringLiteral("identity"));
    if (base != QLatin1String("identity") && base != QLatin1String("inverted"))
        return CommandResult::badArguments(QStringLiteral("--base is identity or inverted"));
    GammaRamp ramp = base == QLatin1String("inverted") ? ColorRamp::invertedIdentity()
                                                       : ColorRamp::computingIdentity();
    colors->ramp.apply(ramp, colors->settings);
    return CommandResult::ok({{QStringLiteral("red"), levels(ramp.red)},
                              {QStringLiteral("green"), levels(ramp.green)},
                              {QStringLiteral("blue"), levels(ramp.blue)}});
}
