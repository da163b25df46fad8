#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

// The Wayland test client (kavo_wayland_client) as a process of the test, with a chosen
// app_id, killed with the object.
class WaylandClientProcess
{
public:
    WaylandClientProcess(const QProcessEnvironment& environment, const QString& appId);
    ~WaylandClientProcess();

    // Waits (bounded) for the line `line` from the client; false when it ended or was silent.
    bool says(const QByteArray& line);
    qint64 pid() const { return m_process.processId(); }
    void close();

private:
    QProcess m_process;
};
