#pragma once

#include "settings/HiddenFeatures.h"

// The command table of the hidden-features console, in matching order.
namespace HiddenFeaturesCommands {

std::vector<HiddenFeatures::Command> table();

} // namespace HiddenFeaturesCommands
