#pragma once

#include "Command.h"

// kavoctl status: what the running Kavo shows, as it reports it.
CommandResult statusCommand(const QStringList& arguments);
