#pragma once

#include "platform/GammaRamp.h"

#include <QByteArray>
#include <QObject>
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

// How Kavo's colours reach a monitor, as `kavoctl status` names it: "xrandr",
// "wlr-gamma-control", "sim", a desktop's own night light, or "none" with the reason.
struct ColorRoute
{
    QString name;
    QString reason; // why no colour reaches the monitor (route "none"); else empty

    static ColorRoute none(const QString& reason) { return {QStringLiteral("none"), reason}; }
    bool isNone() const { return name == QLatin1String("none"); }
    bool operator==(const ColorRoute& other) const
    {
        return name == other.name && reason == other.reason;
    }
};

// Announces changes of the monitors; owned by the displays service.
class DisplayEvents : public QObject
{
    Q_OBJECT

signals:
    // A monitor was added or removed, or one changed its mode, place or gamma. Sent from the
    // event loop, never from inside a call to the displays service.
    void monitorsChanged();
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

    // Whether monitor `index` has a gamma ramp at all (an output without one has not).
    virtual bool hasGamma(int index) const = 0;

    // Reads the gamma ramp monitor `index` shows now; false when the monitor is gone or the
    // ramp cannot be read.
    virtual bool readRamp(int index, GammaRamp& ramp) const = 0;

    // Loads `ramp` into monitor `index`; false when the monitor is gone or refuses the ramp.
    virtual bool writeRamp(int index, const GammaRamp& ramp) = 0;

    // The identity of monitor `index`; empty when the monitor is gone.
    virtual MonitorIdentity monitorIdentity(int index) const = 0;

    // How colours reach monitor `index`; a display service that names none says so.
    virtual ColorRoute route(int index) const
    {
        Q_UNUSED(index)
        return ColorRoute::none(QStringLiteral("the display service names no colour route"));
    }

    // The monitors show what they are to keep (their calibration, written back): a display
    // service that would put back at its end what the monitors showed before Kavo's first
    // write (after a crash: the colours left behind) leaves them as they are.
    virtual void keepShownRamps() {}

    // The ramp writes between beginUpdate() and endUpdate() make one colour update, which the
    // desktop may report as one change. Pairs may nest.
    virtual void beginUpdate() {}
    virtual void endUpdate() {}

    // Where changes of the monitors are announced.
    DisplayEvents& events() { return m_events; }

protected:
    // Sends monitorsChanged() once the event loop runs; calls before then count once.
    void announceMonitorsChanged();

private:
    DisplayEvents m_events;
    bool m_announcing = false;
};

// One colour update of the displays, for as long as it lives.
class DisplayUpdate
{
public:
    explicit DisplayUpdate(IDisplays& displays) : m_displays(displays) { displays.beginUpdate(); }
    ~DisplayUpdate() { m_displays.endUpdate(); }
    DisplayUpdate(const DisplayUpdate&) = delete;
    DisplayUpdate& operator=(const DisplayUpdate&) = delete;

private:
    IDisplays& m_displays;
};
