#pragma once

#include "Command.h"

// kavoctl pause | resume | mode M | type T | location LAT LON | set WHAT WHEN VALUE: the
// change goes to the running Kavo over its instance socket, and the answer is its new status.
CommandResult controlCommand(const QString& name, const QStringList& arguments);
