#include "ListeningSocket.h"

#include "KavoLog.h"
#include "platform/SocketOwner.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

namespace {
constexpr int kProbeMs = 200;

// One look every few seconds serves every listening socket of the process: a timer each would
// wake Kavo once more per socket.
QTimer& shared_watchdog()
{
    static QPointer<QTimer> watchdog;
    if (!watchdog) {
        watchdog = new QTimer(QCoreApplication::instance());
        watchdog->setInterval(ListeningSocket::kWatchdogMs);
    }
    return *watchdog;
}

bool someone_answers(const QString& path)
{
    QLocalSocket probe;
    probe.connectToServer(path);
    return probe.waitForConnected(kProbeMs);
}
} // namespace

ListeningSocket::ListeningSocket(QLocalServer& server, const QString& what, QObject* parent)
    : QObject(parent), m_server(server), m_what(what)
{
}

bool ListeningSocket::listen(const QString& path)
{
    m_path = path;
    QTimer& watchdog = shared_watchdog();
    connect(&watchdog, &QTimer::timeout, this, &ListeningSocket::check, Qt::UniqueConnection);
    if (!watchdog.isActive())
        watchdog.start();
    return listen_once();
}

bool ListeningSocket::listen_once()
{
    if (m_path.isEmpty()) {
        report(QStringLiteral("no private runtime folder"));
        return false;
    }
    if (!claim_path())
        return false;
    if (!m_server.listen(m_path)) {
        report(m_server.errorString());
        return false;
    }
    if (!m_reported.isEmpty())
        log_line(QStringLiteral("The %1 listens again on %2").arg(m_what, m_path));
    m_reported.clear();
    return true;
}

// Only a socket of the user's own that nobody answers on is left from an earlier Kavo.
bool ListeningSocket::claim_path()
{
    const QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (!SocketOwner::file_is_users_socket(m_path)) {
        report(QStringLiteral("something that is not a socket of the user's own is there; it "
                              "is left alone"));
        return false;
    }
    if (someone_answers(m_path)) {
        report(QStringLiteral("another process answers there"));
        return false;
    }
    return QLocalServer::removeServer(m_path);
}

void ListeningSocket::check()
{
    if (m_server.isListening() && QFileInfo::exists(m_path))
        return;
    if (m_server.isListening()) {
        log_line(QStringLiteral("The %1 file %2 was removed; listening again").arg(m_what, m_path));
        m_server.close();
    } else if (m_reported.isEmpty()) {
        log_line(QStringLiteral("The %1 stopped listening (%2); listening again")
                     .arg(m_what, m_server.errorString()));
    }
    listen_once();
}

void ListeningSocket::report(const QString& problem)
{
    if (problem == m_reported)
        return;
    m_reported = problem;
    log_line(QStringLiteral("Unable to listen on the %1 %2: %3").arg(m_what, m_path, problem));
}
