#include "platform/linux/DesktopSession.h"

#include "KavoLog.h"

#include <QCoreApplication>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {
const QString kLogin1 = QStringLiteral("org.freedesktop.login1");
const QString kLogin1Path = QStringLiteral("/org/freedesktop/login1");
const QString kLogin1Manager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kLogin1Session = QStringLiteral("org.freedesktop.login1.Session");

// The screensaver interfaces of the desktops that have one, each sending ActiveChanged(bool).
const char* const kScreensavers[] = {"org.freedesktop.ScreenSaver", "org.gnome.ScreenSaver",
                                     "org.cinnamon.ScreenSaver", "org.mate.ScreenSaver"};
} // namespace

DesktopSession::DesktopSession(QDBusConnection system, QDBusConnection session)
    : m_system(std::move(system)), m_session(std::move(session))
{
    if (!m_system.isConnected())
        log_line(QStringLiteral("No D-Bus system bus: logind's lock and resume are not followed"));
    if (!m_session.isConnected())
        log_line(QStringLiteral("No D-Bus session bus: the screensaver's lock is not followed"));
    m_system.connect(kLogin1, kLogin1Path, kLogin1Manager, QStringLiteral("PrepareForSleep"), this,
                     SLOT(prepareForSleep(bool)));
    for (const char* screensaver : kScreensavers) {
        // Any path: the desktops publish the interface at paths of their own.
        m_session.connect(QString(), QString(), QLatin1String(screensaver),
                          QStringLiteral("ActiveChanged"), this,
                          SLOT(screensaverActiveChanged(bool)));
    }
    findLoginSession();
}

// Lock and Unlock are sent on the session's own object, which logind names on request.
void DesktopSession::findLoginSession()
{
    if (!m_system.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kLogin1, kLogin1Path, kLogin1Manager,
                                                       QStringLiteral("GetSessionByPID"));
    call << static_cast<uint>(QCoreApplication::applicationPid());
    auto* watcher = new QDBusPendingCallWatcher(m_system.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<QDBusObjectPath> reply = *finished;
                finished->deleteLater();
                if (reply.isError())
                    return;
                const QString path = reply.value().path();
                m_system.connect(kLogin1, path, kLogin1Session, QStringLiteral("Lock"), this,
                                 SLOT(lockRequested()));
                m_system.connect(kLogin1, path, kLogin1Session, QStringLiteral("Unlock"), this,
                                 SLOT(unlockRequested()));
            });
}

void DesktopSession::prepareForSleep(bool sleeping)
{
    if (!sleeping)
        emit resumed();
}

void DesktopSession::lockRequested()
{
    reportLocked(true);
}

void DesktopSession::unlockRequested()
{
    reportLocked(false);
}

void DesktopSession::screensaverActiveChanged(bool active)
{
    reportLocked(active);
}
