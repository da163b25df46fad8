#pragma once

#include <QDateTime>

// The time Kavo lives by. Every "now" in the program comes from here.
class IClock
{
public:
    virtual ~IClock() = default;

    // Milliseconds since the epoch (UTC).
    virtual qint64 nowMs() const = 0;

    // The same instant as a local date-time.
    QDateTime now() const { return QDateTime::fromMSecsSinceEpoch(nowMs()); }
};

// Real time from the system.
class SystemClock : public IClock
{
public:
    qint64 nowMs() const override { return QDateTime::currentMSecsSinceEpoch(); }
};
