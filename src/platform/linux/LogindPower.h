#pragma once

#include "platform/IPower.h"

// Restart through logind on the system bus. Kavo's raised-rights programs are Windows
// command scripts, which have no Linux counterpart: they are reported as not supported.
class LogindPower : public IPower
{
public:
    bool requestRestart(const QString& message) override;
    int runElevated(const QString& program, const QString& arguments) override;
    // A detached shell waits for this process to end, then starts the program.
    bool relaunchAfterExit(const QString& program) override;
};
