#pragma once

#include "Options.h"
#include "color/ColorRamp.h"

#include <optional>

// The colour options shared by "ramp" and "matrix": --temperature K --brightness P
// [--scheme S] [--leading-color L], each within the range the settings allow.
struct ColorArguments
{
    static const QStringList kNames;

    RampSettings settings;
    ColorRamp ramp;

    // Empty, with `error` saying why, when an option is missing, not a number or out of range.
    static std::optional<ColorArguments> parse(Options& options, QString& error);
};
