#include "platform/wayland/DesktopNightLights.h"

#include "platform/wayland/DBusBacklights.h"
#include "platform/wayland/GnomeNightLight.h"
#include "platform/wayland/KWinNightColour.h"
#include "platform/wayland/NightLightRecord.h"

namespace DesktopNightLights {

std::unique_ptr<INightLight> detect(const QDBusConnection& bus)
{
    const KWinNightColour::Service kwin = KWinNightColour::find(bus);
    if (kwin.isValid()) {
        return std::make_unique<KWinNightColour>(
            bus, kwin, KWinNightColour::defaultKwinrc(),
            NightLightRecord::defaultPath(QStringLiteral("kwin-night-colour")),
            DBusBacklights::plasma(bus));
    }
    if (GnomeNightLight::isOffered(bus)) {
        return std::make_unique<GnomeNightLight>(
            NightLightRecord::defaultPath(QStringLiteral("gnome-night-light")),
            DBusBacklights::gnome(bus));
    }
    return nullptr;
}

} // namespace DesktopNightLights
