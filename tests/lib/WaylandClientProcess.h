#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

// The Wayland test client (kavo_wayland_client) as a process of the test, with a chosen
// app_id, killed with the object.
class WaylandClientProcess
{
public:
    WaylandClientProcess(const QProcessEnvironment& environment, const QString& appId,
                         const QStringList& arguments = {});
    ~WaylandClientProcess();

    // Waits (bounded) for the line `line` from the client; false when it ended or was silent.
    bool says(const QByteArray& line);
    // Every line read so far by says().
    const QByteArrayList& heard() const { return m_heard; }
    qint64 pid() const { return m_process.processId(); }
    void close();

private:
    QProcess m_process;
    QByteArrayList m_heard;
};
