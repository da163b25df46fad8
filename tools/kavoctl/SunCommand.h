#pragma once

#include "Command.h"

// kavoctl sun --latitude LAT --longitude LON [--at TIME]
CommandResult sunCommand(const QStringList& arguments);
