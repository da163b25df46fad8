#pragma once

#include "Command.h"

// Colours on the X display without a running Kavo; both refuse (status 3) while one runs.

// kavoctl apply --temperature K --brightness P: Kavo's colours once on every monitor, over
// each monitor's calibration, which is recorded as Kavo records it.
CommandResult applyCommand(const QStringList& arguments);

// kavoctl reset: every monitor back to its recorded calibration, or to the identity where none
// is recorded.
CommandResult resetCommand(const QStringList& arguments);
