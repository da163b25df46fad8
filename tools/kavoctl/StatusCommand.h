#pragma once

#include "Command.h"

// kavoctl status [--follow] [--format json|waybar]: what the running Kavo shows, as it
// reports it; with --follow a line each time that changes, until Kavo ends.
CommandResult statusCommand(const QStringList& arguments);
