#pragma once

#include "Command.h"

// kavoctl schedule --settings FILE [--at TIME] [--monitor N]
CommandResult scheduleCommand(const QStringList& arguments);
