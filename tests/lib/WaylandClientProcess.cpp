#include "WaylandClientProcess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

namespace {
constexpr int kLineMs = 60000;
} // namespace

WaylandClientProcess::WaylandClientProcess(const QProcessEnvironment& environment,
                                           const QString& appId, const QStringList& arguments)
{
    m_process.setProcessEnvironment(environment);
    m_process.start(QStringLiteral(KAVO_WAYLAND_CLIENT),
                    QStringList{QStringLiteral("--app-id"), appId} + arguments);
}

WaylandClientProcess::~WaylandClientProcess()
{
    close();
}

bool WaylandClientProcess::says(const QByteArray& line)
{
    const QDeadlineTimer deadline(kLineMs);
    while (!deadline.hasExpired()) {
        while (m_process.canReadLine()) {
            m_heard.append(m_process.readLine().trimmed());
            if (m_heard.last() == line)
                return true;
        }
        if (m_process.state() == QProcess::NotRunning)
            return false;
        m_process.waitForReadyRead(100);
        QCoreApplication::processEvents();
    }
    return false;
}

void WaylandClientProcess::close()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(30000);
}
