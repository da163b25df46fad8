#pragma once

#include "Command.h"

// kavoctl sun --latitude LAT --longitude LON [--at MS]
CommandResult sunCommand(const QStringList& arguments);
