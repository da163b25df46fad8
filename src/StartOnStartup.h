#pragma once

#include <QString>

class IRegistry;

// Registers `program` in `registry` to start with the user's session (start true) or removes
// the registration (false), writing only when the entry is missing or different. A program
// that is not installed leaves the registration alone and logs why.
void set_start_on_startup(IRegistry& registry, const QString& program, bool start);

// The same for the running Kavo on the current desktop.
void set_start_on_startup(bool start);
