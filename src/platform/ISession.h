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
    bool isLocked() const { return m_locked; }

signals:
    void locked();
    void unlocked();
    // The machine woke from suspend (or hibernation).
    void resumed();

protected:
    // What the desktop said; locked() or unlocked() when it is a change.
    void reportLocked(bool locked)
    {
        if (locked == m_locked)
            return;
        m_locked = locked;
        if (locked)
            emit this->locked();
        else
            emit unlocked();
    }

private:
    bool m_locked = false;
};
