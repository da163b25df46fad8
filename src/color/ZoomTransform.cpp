#include "color/ZoomTransform.h"

#include <algorithm>
#include <cmath>

namespace {
int fullscreenCoordinate(int cursor, int screen, float level)
{
    const double zoom = static_cast<double>(level);
    const double value = cursor - std::trunc(screen / (2 * zoom));
    return static_cast<int>(std::clamp(value, 0.0, screen - screen / zoom));
}

int desktopCoordinate(int cursor, int screen, float level)
{
    const double zoom = static_cast<double>(level);
    const double value = -cursor * zoom + std::trunc(screen * 0.5);
    return static_cast<int>(std::clamp(value, -(screen * zoom - screen), 0.0));
}
} // namespace

QPoint ZoomTransform::fullscreenOrigin(const QPoint& cursor, const QSize& screen, float level)
{
    return {fullscreenCoordinate(cursor.x(), screen.width(), level),
            fullscreenCoordinate(cursor.y(), screen.height(), level)};
}

QPoint ZoomTransform::desktopOffset(const QPoint& cursor, const QSize& screen, float level)
{
    return {desktopCoordinate(cursor.x(), screen.width(), level),
            desktopCoordinate(cursor.y(), screen.height(), level)};
}
