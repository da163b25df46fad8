#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

// A place on Earth in degrees: north and east positive.
struct GeoPosition
{
    double latitude = 0.0;
    double longitude = 0.0;

    // Both coordinates are finite and within ±90 and ±180 degrees.
    bool isValid() const;
};

// What a location lookup found: a position, or why there is none.
struct LocationFix
{
    std::optional<GeoPosition> position;
    QString problem; // set when there is no position
};

// The desktop's own location service (GeoClue2 on Linux desktops).
class ILocation
{
public:
    using Callback = std::function<void(const LocationFix&)>;

    virtual ~ILocation() = default;

    // Looks the computer's location up once. `done` is called exactly once, later from the event
    // loop and never from inside this call, unless `context` was destroyed first.
    virtual void locate(QObject* context, Callback done) = 0;
};
