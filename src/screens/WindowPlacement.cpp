#include "screens/WindowPlacement.h"

namespace {
constexpr int kMargin = 20;
constexpr int kLargestPageSide = 16384;
} // namespace

namespace WindowPlacement {

int primary_monitor_index(const QVector<QRect>& monitors)
{
    for (int i = 0; i < monitors.size(); ++i) {
        if (monitors.at(i).contains(0, 0))
            return i;
    }
    return monitors.isEmpty() ? -1 : 0;
}

bool is_page_size(int width, int height)
{
    return width > 0 && height > 0 && width <= kLargestPageSide && height <= kLargestPageSide;
}

QRect bottom_right(const QRect& available, int width, int height)
{
    return QRect(available.right() - width, available.bottom() - height, width, height);
}

QRect top_right(const QRect& available, int width, int height)
{
    const int outer_width = width + kMargin;
    return QRect(available.right() - outer_width, available.top(), outer_width, height + kMargin);
}

} // namespace WindowPlacement
