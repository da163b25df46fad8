#pragma once

#include <QRect>
#include <QVector>

// Where Kavo's small windows and full-screen windows go on the desktop.
namespace WindowPlacement {

// The primary monitor among `monitors`: the one at the desktop's origin, else the first;
// -1 when there are none.
int primary_monitor_index(const QVector<QRect>& monitors);

// Whether a size a page reports for itself can be used for its window.
bool is_page_size(int width, int height);

// A window of `width` x `height` in the bottom-right corner of `available`, its right and
// bottom edges one pixel inside.
QRect bottom_right(const QRect& available, int width, int height);

// A window with a 20-pixel margin around `width` x `height`, at the top of `available` and
// at its right edge.
QRect top_right(const QRect& available, int width, int height);

} // namespace WindowPlacement
