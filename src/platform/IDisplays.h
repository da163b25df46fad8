#pragma once

#include "platform/GammaRamp.h"

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QVector>

// Who a monitor is: the connector it is attached to and the display's EDID (empty when the
// display reports none). The same display on the same connector keeps its identity across
// starts, plugs and renumbering.
struct MonitorIdentity
{
    QString output;
    QByteArray edid;

    bool isEmpty() const { return output.isEmpty(); }
    bool operator==(const MonitorIdentity& other) const
    {
        return output == other.output && edid == other.edid;
    }
};

// The monitors of the desktop, numbered from 1 in enumeration order (0 means all of them).
// Methods that take an `index` count from 0: index i is monitor i + 1.
class IDisplays
{
public:
    virtual ~IDisplays() = default;

    // Number of monitors currently attached (at least 0).
    virtual int monitorCount() const = 0;

    // Geometry of each monitor in enumeration order; entry i is monitor i + 1.
    virtual QVector<QRect> monitorGeometries() const = 0;

    // Reads the gamma ramp monitor `index` shows now; false when the monitor is gone or the
    // ramp cannot be read.
    virtual bool readRamp(int index, GammaRamp& ramp) const = 0;

    // Loads `ramp` into monitor `index`; false when the monitor is gone or refuses the ramp.
    virtual bool writeRamp(int index, const GammaRamp& ramp) = 0;

    // The identity of monitor `index`; empty when the monitor is gone.
    virtual MonitorIdentity monitorIdentity(int index) const = 0;
};
