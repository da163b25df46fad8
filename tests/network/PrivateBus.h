#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A D-Bus daemon of the test's own, on a socket in a temporary folder, ended with the object
// (or after twenty minutes, should the test die first). Nothing on it but what the test
// registers.
class PrivateBus
{
public:
    ~PrivateBus();

    // Starts the daemon; false when it did not come up.
    bool start();

    QString address() const { return m_address; }

    // A new connection to the bus under `name`.
    QDBusConnection connect(const QString& name) const;

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_address;
    QStringList m_connections;
};
