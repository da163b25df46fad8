#include "platform/linux/LogindPower.h"

#include "KavoLog.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>

bool LogindPower::requestRestart(const QString& message)
{
    log_line(message);
    QDBusMessage reboot = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Reboot"));
    // Interactive: logind may ask the user for authorisation.
    reboot << true;
    const QDBusMessage reply = QDBusConnection::systemBus().call(reboot);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        log_line(QStringLiteral("Restart refused: ") + reply.errorMessage());
        return false;
    }
    return true;
}

int LogindPower::runElevated(const QString& program, const QString& arguments)
{
    log_line(QStringLiteral("Running with raised rights is not supported on Linux desktops: ") +
             program + QLatin1Char(' ') + arguments);
    return kNotSupported;
}

bool LogindPower::relaunchAfterExit(const QString& program)
{
    // A new instance started while this one still listens would hand over to it and end.
    const QString script =
        QStringLiteral("while kill -0 \"$1\" 2>/dev/null; do sleep 0.2; done; exec \"$2\"");
    return QProcess::startDetached(QStringLiteral("/bin/sh"),
                                   {QStringLiteral("-c"), script, QStringLiteral("kavo-relaunch"),
                                    QString::number(QCoreApplication::applicationPid()), program});
}
