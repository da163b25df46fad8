#include "screens/OverlayLayout.h"

#include <algorithm>
#include <cstdlib>

namespace OverlayLayout {

QVector<Target> monitor_targets(const QVector<QRect>& monitors, const QList<int>& excluded)
{
    QVector<Target> targets;
    for (int i = 0; i < monitors.size(); ++i) {
        if (!excluded.contains(i + 1))
            targets.append({i, monitors.at(i)});
    }
    return targets;
}

QVector<Target> overlay_targets(const QVector<QRect>& monitors, const QList<int>& excluded)
{
    if (!excluded.isEmpty())
        return monitor_targets(monitors, excluded);
    // The bounding box, so that monitors left of or above the first are covered too.
    QRect desktop;
    for (const QRect& monitor : monitors)
        desktop = desktop.united(monitor);
    return {{-1, desktop}};
}

QRect spanned(const QPoint& corner, const QPoint& opposite)
{
    return QRect(std::min(corner.x(), opposite.x()), std::min(corner.y(), opposite.y()),
                 std::abs(corner.x() - opposite.x()), std::abs(corner.y() - opposite.y()));
}

QRect in_window(const QRect& area, const QPoint& window_origin)
{
    return area.translated(-window_origin);
}

} // namespace OverlayLayout
