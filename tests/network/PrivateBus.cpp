#include "PrivateBus.h"

PrivateBus::~PrivateBus()
{
    for (const QString& name : m_connections)
        QDBusConnection::disconnectFromBus(name);
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(10000))
            m_daemon.kill();
        m_daemon.waitForFinished(10000);
    }
}

bool PrivateBus::start()
{
    if (!m_folder.isValid())
        return false;
    // A test that dies leaves no daemon behind for long: the daemon ends after a time that no
    // test takes.
    m_daemon.setProgram(QStringLiteral("timeout"));
    m_daemon.setArguments({QStringLiteral("--kill-after=10"), QStringLiteral("1200"),
                           QStringLiteral("dbus-daemon"), QStringLiteral("--session"),
                           QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                           QStringLiteral("--print-address=1"),
                           QStringLiteral("--address=unix:dir=") + m_folder.path()});
    m_daemon.start();
    if (!m_daemon.waitForStarted(10000))
        return false;
    while (!m_daemon.canReadLine()) {
        if (!m_daemon.waitForReadyRead(30000))
            return false;
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    return !m_address.isEmpty();
}

QDBusConnection PrivateBus::connect(const QString& name) const
{
    const_cast<PrivateBus*>(this)->m_connections.append(name);
    return QDBusConnection::connectToBus(m_address, name);
}
