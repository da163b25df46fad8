#pragma once

#include <QRect>
#include <QVector>

// The monitors of the desktop, numbered from 1 in enumeration order (0 means all of them).
class IDisplays
{
public:
    virtual ~IDisplays() = default;

    // Number of monitors currently attached (at least 0).
    virtual int monitorCount() const = 0;

    // Geometry of each monitor in enumeration order; entry i is monitor i + 1.
    virtual QVector<QRect> monitorGeometries() const = 0;
};
