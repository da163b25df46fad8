#pragma once

#include "platform/ILocation.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QDBusPendingCallWatcher;

// One lookup through GeoClue2: GetClient, the client's DesktopId and accuracy, Start, then the
// first LocationUpdated signal gives the Location object to read. It reports once and deletes
// itself; as a child of the caller's context it goes with that context.
class GeoClueLookup : public QObject
{
    Q_OBJECT

public:
    GeoClueLookup(const QDBusConnection& bus, QObject* context, ILocation::Callback done,
                  int timeoutMs);
    // A lookup cut short (its context went) stops its client too.
    ~GeoClueLookup() override;

    void start();

private slots:
    void clientReceived(QDBusPendingCallWatcher* call);
    void started(QDBusPendingCallWatcher* call);
    void locationUpdated(const QDBusObjectPath& oldPath, const QDBusObjectPath& newPath);
    void locationRead(QDBusPendingCallWatcher* call);

private:
    void setClientProperty(const QString& name, const QVariant& value);
    void finish(const LocationFix& fix);
    void stop_client();
    void fail(const QString& problem);

    QDBusConnection m_bus;
    ILocation::Callback m_done;
    QTimer m_timeout;
    QString m_client;
    bool m_finished = false;
};
