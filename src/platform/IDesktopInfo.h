#pragma once

#include <QString>
#include <QVector>

// One monitor as the debug information names it.
struct MonitorGammaInfo
{
    QString name;       // the output's name ("HDMI-1"); empty when the desktop has none
    int gamma_size = 0; // entries of the monitor's gamma ramp; 0 when it has none
    QString route;      // how Kavo's colours reach it ("xrandr", "none (why)"); empty: unknown
};

// What a support request needs to know about the desktop.
struct DesktopDescription
{
    QString kind;           // "X11", "Wayland" or "simulated desktop"
    QString backend;        // Kavo's backend ("x11", "wayland", "sim"); empty when unknown
    QString server;         // the display server's vendor and release; empty when unknown
    QString window_manager; // empty when no window manager announces itself
    QString compositor;     // empty when no compositor runs
    QVector<MonitorGammaInfo> monitors; // in enumeration order
};

// Describes the desktop for the debug information text.
class IDesktopInfo
{
public:
    virtual ~IDesktopInfo() = default;

    // The desktop as it is now.
    virtual DesktopDescription describe() const = 0;
};
