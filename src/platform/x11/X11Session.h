#pragma once

#include "platform/ISession.h"

#include <QString>

class QDBusPendingCallWatcher;

// The session lock through D-Bus: logind's Lock and Unlock signals for Kavo's own session on
// the system bus, and the screensaver's ActiveChanged on the session bus. A missing bus or
// logind session is logged once and leaves that source out.
class X11Session : public ISession
{
    Q_OBJECT

public:
    X11Session();

private slots:
    void onScreenSaverActiveChanged(bool active);
    void onLogindLock();
    void onLogindUnlock();

private:
    void followLogind();
    void followLogindSession(QDBusPendingCallWatcher* reply);
    void followScreenSaver();
};
