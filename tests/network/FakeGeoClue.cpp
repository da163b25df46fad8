#include "FakeGeoClue.h"

#include <QTimer>

namespace {
const QString kClientPath = QStringLiteral("/org/freedesktop/GeoClue2/Client/1");
const QString kLocationPath = QStringLiteral("/org/freedesktop/GeoClue2/Location/1");
} // namespace

void FakeGeoClueClient::Start()
{
    ++starts;
    if (refuse) {
        sendErrorReply(QStringLiteral("org.freedesktop.DBus.Error.AccessDenied"),
                       QStringLiteral("'kavo' disallowed, no agent for UID 0"));
        return;
    }
    if (!silent)
        QTimer::singleShot(0, this, [this] {
            emit LocationUpdated(QDBusObjectPath(QStringLiteral("/")),
                                 QDBusObjectPath(kLocationPath));
        });
}

QDBusObjectPath FakeGeoClue::GetClient()
{
    return QDBusObjectPath(kClientPath);
}

bool FakeGeoClue::registerOn(QDBusConnection bus)
{
    const auto everything = QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                            QDBusConnection::ExportAllProperties;
    return bus.registerObject(QStringLiteral("/org/freedesktop/GeoClue2/Manager"), this,
                              QDBusConnection::ExportAllSlots) &&
           bus.registerObject(kClientPath, &client, everything) &&
           bus.registerObject(kLocationPath, &location, QDBusConnection::ExportAllProperties) &&
           bus.registerService(QStringLiteral("org.freedesktop.GeoClue2"));
}
