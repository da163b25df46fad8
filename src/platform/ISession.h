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
    bool isLocked() const { return m_locked; }

signals:
    // The screen was locked: the user is away.
    void locked();
    // The screen was unlocked: the user is back.
    void unlocked();

protected:
    // What the system said; a change is signalled, a repetition is not (several sources may
    // report one lock).
    void setLocked(bool locked)
    {
        if (locked == m_locked)
            return;
        m_locked = locked;
        if (m_locked)
            emit this->locked();
        else
            emit unlocked();
    }

private:
    bool m_locked = false;
};
