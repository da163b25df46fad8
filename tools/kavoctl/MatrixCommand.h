#pragma once

#include "Command.h"

// kavoctl matrix --temperature K --brightness P [--scheme S] [--leading-color L] [--effect E]
//                [--inverted] [--saturation PERCENT]
CommandResult matrixCommand(const QStringList& arguments);
