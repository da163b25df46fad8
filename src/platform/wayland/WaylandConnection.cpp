#include "platform/wayland/WaylandConnection.h"

#include "KavoLog.h"

#include <QCoreApplication>
#include <QFile>
#include <QSocketNotifier>

#include <wayland-client.h>

#include <sys/socket.h>

std::unique_ptr<WaylandConnection> WaylandConnection::open(QString* problem, const QString& socket)
{
    const QByteArray name = socket.isEmpty() ? qgetenv("WAYLAND_DISPLAY") : socket.toLocal8Bit();
    wl_display* display = wl_display_connect(name.isEmpty() ? nullptr : name.constData());
    if (!display) {
        if (problem)
            *problem = name.isEmpty() ? QStringLiteral("no Wayland display is set")
                                      : QStringLiteral("the Wayland display \"%1\" does not answer")
                                            .arg(QString::fromLocal8Bit(name));
        return nullptr;
    }
    return std::unique_ptr<WaylandConnection>(new WaylandConnection(display));
}

WaylandConnection::WaylandConnection(wl_display* display) : m_display(display)
{
    if (!QCoreApplication::instance())
        return; // kavoctl's short runs read the socket in roundtrip() alone
    m_notifier =
        std::make_unique<QSocketNotifier>(wl_display_get_fd(m_display), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &WaylandConnection::readEvents);
}

WaylandConnection::~WaylandConnection()
{
    m_notifier.reset();
    wl_display_disconnect(m_display);
}

QString WaylandConnection::compositorName() const
{
    ucred peer{};
    socklen_t size = sizeof(peer);
    if (getsockopt(wl_display_get_fd(m_display), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 ||
        peer.pid <= 0)
        return {};
    QFile comm(QStringLiteral("/proc/%1/comm").arg(peer.pid));
    if (!comm.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(comm.readAll().trimmed());
}

void WaylandConnection::flush()
{
    if (!m_broken && wl_display_flush(m_display) < 0 && errno != EAGAIN)
        markBroken();
}

bool WaylandConnection::roundtrip()
{
    if (!m_broken && wl_display_roundtrip(m_display) < 0)
        markBroken();
    return !m_broken;
}

void WaylandConnection::readEvents()
{
    if (m_broken)
        return;
    // Events another call already read wait in the queue: they are handled first.
    while (wl_display_prepare_read(m_display) != 0) {
        if (wl_display_dispatch_pending(m_display) < 0) {
            markBroken();
            return;
        }
    }
    wl_display_flush(m_display);
    if (wl_display_read_events(m_display) < 0 || wl_display_dispatch_pending(m_display) < 0) {
        markBroken();
        return;
    }
    flush();
}

void WaylandConnection::markBroken()
{
    if (m_broken)
        return;
    m_broken = true;
    if (m_notifier)
        m_notifier->setEnabled(false);
    const int error = wl_display_get_error(m_display);
    log_line(QStringLiteral("The connection to the Wayland compositor ended: %1")
                 .arg(QString::fromLocal8Bit(strerror(error ? error : EPIPE))));
    emit broken();
}
