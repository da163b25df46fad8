#pragma once

#include <QString>

// Restarting the machine or Kavo itself, and running programs with raised rights.
class IPower
{
public:
    // The error code of a request the desktop cannot carry out at all.
    static constexpr int kNotSupported = 50;

    virtual ~IPower() = default;

    // Asks the system to restart now, without forcing applications closed; false when the
    // request was refused.
    virtual bool requestRestart(const QString& message) = 0;

    // Starts `program` with `arguments` with raised rights and no window; 0 when it started,
    // otherwise an error code.
    virtual int runElevated(const QString& program, const QString& arguments) = 0;

    // Starts `program` again once this process has ended; false when that cannot be arranged.
    virtual bool relaunchAfterExit(const QString& program) = 0;
};
