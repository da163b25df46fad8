#pragma once

#include <QObject>

// The user's session on this machine: the screen locking and unlocking, and the machine
// waking from suspend. The signals come from the event loop.
class ISession : public QObject
{
    Q_OBJECT

public:
    ~ISession() override = default;

    // Whether the session is locked now, as far as the desktop has said.
    virtual bool isLocked() const = 0;

signals:
    void locked();
    void unlocked();
    // The machine woke from suspend (or hibernation).
    void resumed();
};
