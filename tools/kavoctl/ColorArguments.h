#pragma once

#include "Options.h"
#include "color/ColorRamp.h"

#include <optional>

// The colour options shared by "ramp" and "matrix": --temperature K --brightness B
// [--scheme S] [--leading-color L].
struct ColorArguments
{
    static const QStringList kNames;

    RampSettings settings;
    ColorRamp ramp;

    // Empty, with `error` saying why, when an option is missing, not a number or out of range.
    static std::optional<ColorArguments> parse(Options& options, QString& error);

    // Option `name` as an int (`fallback` when absent); empty, with `error` set, otherwise.
    static std::optional<int> integer(Options& options, const QString& name, int fallback,
                                      QString& error);
};
