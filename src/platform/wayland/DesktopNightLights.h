#pragma once

#include "platform/INightLight.h"

#include <QDBusConnection>

#include <memory>

// Finds the night light that the desktop session offers in place of gamma ramps.
namespace DesktopNightLights {

// KWin's night colour (Plasma 6 or 5.27) or GNOME's night light, each with the desktop's
// backlight where it has one; null when the session offers neither. The night light's record
// of the user's own settings sits in Kavo's settings folder.
std::unique_ptr<INightLight> detect(const QDBusConnection& bus = QDBusConnection::sessionBus());

} // namespace DesktopNightLights
