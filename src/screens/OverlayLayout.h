#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QVector>

// Where the overlay family's windows go, and the selected clear area in a window's terms.
namespace OverlayLayout {

struct Target
{
    int monitor_index = -1; // -1: one window over every monitor
    QRect geometry;

    bool operator==(const Target& other) const
    {
        return monitor_index == other.monitor_index && geometry == other.geometry;
    }
};

// Overlay windows: one over the whole desktop when no monitor is excluded, otherwise one per
// monitor whose number (index + 1) is not in `excluded`.
QVector<Target> overlay_targets(const QVector<QRect>& monitors, const QList<int>& excluded);

// Lightness windows: one per monitor whose number is not in `excluded`.
QVector<Target> monitor_targets(const QVector<QRect>& monitors, const QList<int>& excluded);

// A point of the selection; (0, 0) means none.
inline bool is_set(const QPoint& point)
{
    return !point.isNull();
}

// The rectangle two corners span, whichever way the mouse went: left and top the smaller
// coordinates, width and height the differences. Empty when the two share a row or column.
QRect spanned(const QPoint& corner, const QPoint& opposite);

// `area` (desktop coordinates) in the coordinates of a window whose top-left corner is at
// `window_origin`.
QRect in_window(const QRect& area, const QPoint& window_origin);

} // namespace OverlayLayout
