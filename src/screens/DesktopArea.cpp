#include "screens/DesktopArea.h"

#include "platform/Platform.h"
#include "screens/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

namespace DesktopArea {

QRect primary_monitor()
{
    const QVector<QRect> monitors = Platform::current().displays().monitorGeometries();
    const int primary = WindowPlacement::primary_monitor_index(monitors);
    if (primary >= 0)
        return monitors.at(primary);
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

QRect primary_available_area()
{
    // Qt knows the panels of the screens it shows windows on; a simulated monitor has none.
    const QRect monitor = primary_monitor();
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry() == monitor)
            return screen->availableGeometry();
    }
    return monitor;
}

} // namespace DesktopArea
