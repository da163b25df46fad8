#pragma once

#include <QObject>

// The user's desktop session as the system reports it: locked and unlocked (and, in time,
// resumed from sleep). Signals come once per change, whichever of the system's sources told
// first.
class ISession : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~ISession() override = default;

    // Whether the session is locked, as far as the system has said.
    virtual bool isLocked() const = 0;

signals:
    // The screen was locked: the user is away.
    void locked();
    // The screen was unlocked: the user is back.
    void unlocked();
};
