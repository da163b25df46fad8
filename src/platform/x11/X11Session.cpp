#include "platform/x11/X11Session.h"

#include "KavoLog.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {
const QString kLogindService = QStringLiteral("org.freedesktop.login1");
const QString kLogindSession = QStringLiteral("org.freedesktop.login1.Session");
const QString kScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
} // namespace

X11Session::X11Session()
{
    followLogind();
    followScreenSaver();
}

void X11Session::followLogind()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        log_line(QStringLiteral("No D-Bus system bus: logind's session lock is not followed"));
        return;
    }
    QDBusMessage request = QDBusMessage::createMethodCall(
        kLogindService, QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("GetSessionByPID"));
    request << static_cast<uint>(QCoreApplication::applicationPid());
    // Asked without waiting: a slow logind must not hold up Kavo's start.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(request), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &X11Session::followLogindSession);
}

void X11Session::followLogindSession(QDBusPendingCallWatcher* watcher)
{
    watcher->deleteLater();
    const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
    if (reply.isError()) {
        log_line(QStringLiteral("logind knows no session of Kavo: ") + reply.error().message());
        return;
    }
    const QString path = reply.value().path();
    QDBusConnection bus = QDBusConnection::systemBus();
    bus.connect(kLogindService, path, kLogindSession, QStringLiteral("Lock"), this,
                SLOT(onLogindLock()));
    bus.connect(kLogindService, path, kLogindSession, QStringLiteral("Unlock"), this,
                SLOT(onLogindUnlock()));
}

void X11Session::followScreenSaver()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        log_line(QStringLiteral("No D-Bus session bus: the screensaver's lock is not followed"));
        return;
    }
    // Any screensaver that offers the freedesktop interface, on whichever path it uses.
    bus.connect(QString(), QString(), kScreenSaver, QStringLiteral("ActiveChanged"), this,
                SLOT(onScreenSaverActiveChanged(bool)));
}

void X11Session::onScreenSaverActiveChanged(bool active)
{
    setLocked(active);
}

void X11Session::onLogindLock()
{
    setLocked(true);
}

void X11Session::onLogindUnlock()
{
    setLocked(false);
}
