#include "platform/linux/MutterIdleMonitor.h"

#include "KavoLog.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {
const QString kService = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString kPath = QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core");
const QString kInterface = QStringLiteral("org.gnome.Mutter.IdleMonitor");
const QString kWatchFired = QStringLiteral("WatchFired");
} // namespace

std::unique_ptr<MutterIdleMonitor> MutterIdleMonitor::find(const QDBusConnection& bus)
{
    if (!bus.isConnected() || !bus.interface() ||
        !bus.interface()->isServiceRegistered(kService).value())
        return nullptr;
    return std::unique_ptr<MutterIdleMonitor>(new MutterIdleMonitor(bus));
}

MutterIdleMonitor::MutterIdleMonitor(const QDBusConnection& bus) : m_bus(bus)
{
}

MutterIdleMonitor::~MutterIdleMonitor()
{
    stop();
}

bool MutterIdleMonitor::start(int quietMs)
{
    stop();
    m_bus.connect(kService, kPath, kInterface, kWatchFired, this, SLOT(watchFired(uint)));
    addWatch(m_idle, QStringLiteral("AddIdleWatch"), {QVariant::fromValue(quint64(quietMs))});
    return true;
}

void MutterIdleMonitor::stop()
{
    m_bus.disconnect(kService, kPath, kInterface, kWatchFired, this, SLOT(watchFired(uint)));
    removeWatch(m_idle);
    removeWatch(m_active);
}

void MutterIdleMonitor::watchFired(uint id)
{
    if (id == 0)
        return;
    if (id == m_idle.id) {
        removeWatch(m_active);
        addWatch(m_active, QStringLiteral("AddUserActiveWatch"), {});
        emit idled();
    } else if (id == m_active.id) {
        m_active = Watch(); // Mutter drops a user-active watch once it fired
        emit resumed();
    }
}

// Mutter's answer comes before any WatchFired of the new watch: both travel on one connection.
void MutterIdleMonitor::addWatch(Watch& watch, const QString& method, const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    call.setArguments(arguments);
    watch.request = ++m_requests;
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this,
            [this, pending, &watch, request = watch.request, method] {
                pending->deleteLater();
                const QDBusPendingReply<uint> reply = *pending;
                if (reply.isError()) {
                    log_line(QStringLiteral("GNOME's idle monitor refused %1: %2")
                                 .arg(method, reply.error().message()));
                    return;
                }
                if (watch.request == request)
                    watch.id = reply.value();
                else
                    removeWatch(reply.value());
            });
}

void MutterIdleMonitor::removeWatch(Watch& watch)
{
    removeWatch(watch.id);
    watch = Watch();
}

void MutterIdleMonitor::removeWatch(uint id)
{
    if (id == 0)
        return;
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("RemoveWatch"));
    call << id;
    m_bus.call(call, QDBus::NoBlock);
}
