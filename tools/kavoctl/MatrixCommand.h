#pragma once

#include "Command.h"

// kavoctl matrix --temperature K --brightness B [--scheme S] [--leading-color L] [--effect E]
//                [--inverted] [--saturation P]
CommandResult matrixCommand(const QStringList& arguments);
