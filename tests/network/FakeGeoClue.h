#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QObject>

// GeoClue2 as a test plays it on a private bus: a manager that hands out one client, the
// client with its DesktopId and accuracy properties, and a Location object. Started, the
// client reports the location, or refuses as GeoClue2 does for an application it does not
// allow.
class FakeGeoClueLocation : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.GeoClue2.Location")
    Q_PROPERTY(double Latitude MEMBER latitude)
    Q_PROPERTY(double Longitude MEMBER longitude)

public:
    double latitude = 0.0;
    double longitude = 0.0;
};

class FakeGeoClueClient : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.GeoClue2.Client")
    Q_PROPERTY(QString DesktopId MEMBER desktopId)
    Q_PROPERTY(uint RequestedAccuracyLevel MEMBER accuracy)

public:
    QString desktopId;
    uint accuracy = 0;
    bool refuse = false;
    bool silent = false; // started, but never finds a location
    int starts = 0;
    int stops = 0;

public slots:
    void Start();
    void Stop() { ++stops; }

signals:
    void LocationUpdated(const QDBusObjectPath& oldPath, const QDBusObjectPath& newPath);
};

class FakeGeoClue : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.GeoClue2.Manager")

public:
    // Registers the service on `bus`; false when that fails.
    bool registerOn(QDBusConnection bus);

    FakeGeoClueClient client;
    FakeGeoClueLocation location;

public slots:
    QDBusObjectPath GetClient();
};
