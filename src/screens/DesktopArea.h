#pragma once

#include <QRect>

// The desktop as Kavo's windows see it: the monitors come from the platform layer.
namespace DesktopArea {

// The primary monitor's geometry; Qt's primary screen when the desktop reports no monitor.
QRect primary_monitor();

// The primary monitor without the panels and docks that the desktop keeps free.
QRect primary_available_area();

} // namespace DesktopArea
