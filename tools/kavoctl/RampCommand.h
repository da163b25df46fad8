#pragma once

#include "Command.h"

// kavoctl ramp --temperature K --brightness P [--scheme S] [--leading-color L]
//              [--base identity|inverted]
CommandResult rampCommand(const QStringList& arguments);
