#pragma once

#include "Command.h"

// kavoctl schedule --settings FILE [--at MS] [--monitor N]
CommandResult scheduleCommand(const QStringList& arguments);
