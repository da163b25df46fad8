#include "XvfbServer.h"

#include <QElapsedTimer>

XvfbServer::~XvfbServer()
{
    m_process.terminate();
    m_process.waitForFinished(10000);
}

bool XvfbServer::start(const QString& screen)
{
    // Xvfb picks a free display number and writes it to the given descriptor. Without
    // -noreset the server resets whenever its last client leaves, and refuses connections
    // meanwhile: a probe by xdotool could make a client starting at that moment fail.
    m_process.start(QStringLiteral("Xvfb"),
                    {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"),
                     QStringLiteral("-screen"), QStringLiteral("0"), screen,
                     QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!m_process.waitForStarted(10000))
        return false;
    QElapsedTimer waited;
    waited.start();
    while (!m_process.canReadLine() && waited.elapsed() < 20000)
        m_process.waitForReadyRead(1000);
    if (!m_process.canReadLine())
        return false;
    m_display = QLatin1Char(':') + QString::fromLatin1(m_process.readLine()).trimmed();
    return true;
}
