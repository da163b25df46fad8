#pragma once

#include "platform/ISession.h"

#include <QDBusConnection>

// The session through D-Bus: logind's PrepareForSleep on the system bus tells of a resume, and
// its Lock and Unlock of this process's session, as well as the screensavers' ActiveChanged on
// the session bus, of locking and unlocking. Where a bus or a service is missing, its signals
// simply never come.
class DesktopSession : public ISession
{
    Q_OBJECT

public:
    DesktopSession(QDBusConnection system, QDBusConnection session);

private slots:
    void prepareForSleep(bool sleeping);
    void lockRequested();
    void unlockRequested();
    void screensaverActiveChanged(bool active);

private:
    void findLoginSession();

    QDBusConnection m_system;
    QDBusConnection m_session;
};
