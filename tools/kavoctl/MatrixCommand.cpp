#include "MatrixCommand.h"

#include "ColorArguments.h"
#include "color/ColorMatrixRecipe.h"

#include <QJsonArray>

CommandResult matrixCommand(const QStringList& arguments)
{
    Options options(arguments,
                    ColorArguments::kNames +
                        QStringList{QStringLiteral("effect"), QStringLiteral("saturation")},
                    {QStringLiteral("inverted")});
    QString error;
    const std::optional<ColorArguments> colors = ColorArguments::parse(options, error);
    const auto effect = options.integer(QStringLiteral("effect"), 1, 1, 28);
    const auto saturation = options.integer(QStringLiteral("saturation"), 100, 0, 200);
    if (!colors || !options.ok())
        return CommandResult::badArguments(error.isEmpty() ? options.error() : error);
    ColorMatrixRecipe recipe;
    recipe.settings = colors->settings;
    if (options.has(QStringLiteral("effect")))
        recipe.effect = *effect;
    recipe.inverted = options.has(QStringLiteral("inverted"));
    if (options.has(QStringLiteral("saturation")))
        recipe.saturation = *saturation;
    QJsonArray matrix;
    for (float value : recipe.build(colors->ramp).values)
        matrix.append(static_cast<double>(value));
    return CommandResult::ok({{QStringLiteral("matrix"), matrix}});
}
