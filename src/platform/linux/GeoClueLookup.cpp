#include "platform/linux/GeoClueLookup.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {
const QString kService = QStringLiteral("org.freedesktop.GeoClue2");
const QString kManagerPath = QStringLiteral("/org/freedesktop/GeoClue2/Manager");
const QString kManager = QStringLiteral("org.freedesktop.GeoClue2.Manager");
const QString kClient = QStringLiteral("org.freedesktop.GeoClue2.Client");
const QString kLocation = QStringLiteral("org.freedesktop.GeoClue2.Location");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
// The desktop file GeoClue2 asks the user about: kavo.desktop.
const QString kDesktopId = QStringLiteral("kavo");
// GeoClue2's GCLUE_ACCURACY_LEVEL_CITY: enough for sunrise and sunset, kinder to privacy.
constexpr uint kCityAccuracy = 4;

QDBusMessage call(const QString& path, const QString& interface, const QString& method)
{
    return QDBusMessage::createMethodCall(kService, path, interface, method);
}
} // namespace

GeoClueLookup::GeoClueLookup(const QDBusConnection& bus, QObject* context, ILocation::Callback done,
                             int timeoutMs)
    : QObject(context), m_bus(bus), m_done(std::move(done))
{
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(timeoutMs);
    connect(&m_timeout, &QTimer::timeout, this, [this] {
        fail(QStringLiteral("GeoClue2 found no location within %1 s")
                 .arg(m_timeout.interval() / 1000.0));
    });
}

GeoClueLookup::~GeoClueLookup()
{
    if (!m_finished)
        stop_client();
}

void GeoClueLookup::start()
{
    if (!m_bus.isConnected()) {
        // Reported from the event loop, as every other outcome.
        QTimer::singleShot(0, this,
                           [this] { fail(QStringLiteral("No system bus to reach GeoClue2")); });
        return;
    }
    m_timeout.start();
    auto* watcher = new QDBusPendingCallWatcher(
        m_bus.asyncCall(call(kManagerPath, kManager, QStringLiteral("GetClient"))), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &GeoClueLookup::clientReceived);
}

void GeoClueLookup::clientReceived(QDBusPendingCallWatcher* watcher)
{
    watcher->deleteLater();
    const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
    if (reply.isError()) {
        fail(QStringLiteral("GeoClue2 is not available: ") + reply.error().message());
        return;
    }
    m_client = reply.value().path();
    m_bus.connect(kService, m_client, kClient, QStringLiteral("LocationUpdated"), this,
                  SLOT(locationUpdated(QDBusObjectPath, QDBusObjectPath)));
    setClientProperty(QStringLiteral("DesktopId"), kDesktopId);
    setClientProperty(QStringLiteral("RequestedAccuracyLevel"), kCityAccuracy);
    // Messages of one connection arrive in order: Start comes after both properties.
    auto* start = new QDBusPendingCallWatcher(
        m_bus.asyncCall(call(m_client, kClient, QStringLiteral("Start"))), this);
    connect(start, &QDBusPendingCallWatcher::finished, this, &GeoClueLookup::started);
}

void GeoClueLookup::setClientProperty(const QString& name, const QVariant& value)
{
    QDBusMessage set = call(m_client, kProperties, QStringLiteral("Set"));
    set << kClient << name << QVariant::fromValue(QDBusVariant(value));
    m_bus.asyncCall(set);
}

void GeoClueLookup::started(QDBusPendingCallWatcher* watcher)
{
    watcher->deleteLater();
    const QDBusPendingReply<> reply = *watcher;
    if (reply.isError())
        fail(QStringLiteral("GeoClue2 refused to locate Kavo: ") + reply.error().message());
}

void GeoClueLookup::locationUpdated(const QDBusObjectPath&, const QDBusObjectPath& newPath)
{
    if (m_finished)
        return;
    QDBusMessage getAll = call(newPath.path(), kProperties, QStringLiteral("GetAll"));
    getAll << kLocation;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(getAll), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &GeoClueLookup::locationRead);
}

void GeoClueLookup::locationRead(QDBusPendingCallWatcher* watcher)
{
    watcher->deleteLater();
    const QDBusPendingReply<QVariantMap> reply = *watcher;
    if (reply.isError()) {
        fail(QStringLiteral("GeoClue2's location could not be read: ") + reply.error().message());
        return;
    }
    const QVariantMap properties = reply.value();
    GeoPosition position;
    position.latitude = properties.value(QStringLiteral("Latitude"), qQNaN()).toDouble();
    position.longitude = properties.value(QStringLiteral("Longitude"), qQNaN()).toDouble();
    if (!position.isValid()) {
        fail(QStringLiteral("GeoClue2 gave no valid position"));
        return;
    }
    LocationFix fix;
    fix.position = position;
    finish(fix);
}

void GeoClueLookup::stop_client()
{
    if (m_client.isEmpty())
        return;
    m_bus.disconnect(kService, m_client, kClient, QStringLiteral("LocationUpdated"), this,
                     SLOT(locationUpdated(QDBusObjectPath, QDBusObjectPath)));
    // A client that did not start yet is stopped too: Stop is harmless then.
    m_bus.asyncCall(call(m_client, kClient, QStringLiteral("Stop")));
    m_client.clear();
}

void GeoClueLookup::fail(const QString& problem)
{
    LocationFix fix;
    fix.problem = problem;
    finish(fix);
}

void GeoClueLookup::finish(const LocationFix& fix)
{
    if (m_finished)
        return;
    m_finished = true;
    m_timeout.stop();
    stop_client();
    ILocation::Callback done = std::move(m_done);
    deleteLater();
    done(fix);
}
