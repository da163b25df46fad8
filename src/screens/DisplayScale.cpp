#include "screens/DisplayScale.h"

namespace {
bool larger_than(const QSize& screen, int pixels)
{
    return screen.width() > pixels || screen.height() > pixels;
}

bool fits(double scale, const QSize& available)
{
    return DisplayScale::kLargestView.width() * scale <= available.width() &&
           DisplayScale::kLargestView.height() * scale <= available.height();
}
} // namespace

namespace DisplayScale {

bool is_retina(int ui_scale, const QSize& primary_screen, const QSize& available)
{
    switch (ui_scale) {
    case 1:
    case 3:
        return false;
    case 2:
        return true;
    default:
        return larger_than(primary_screen, 2000) && fits(2.0, available);
    }
}

bool is_1920(int ui_scale, const QSize& primary_screen, const QSize& available)
{
    switch (ui_scale) {
    case 1:
    case 2:
        return false;
    case 3:
        return true;
    default:
        return larger_than(primary_screen, 1500) && fits(1.5, available);
    }
}

QSize drag_strip_size(bool retina, bool is_1920)
{
    if (retina)
        return {730, 72};
    if (is_1920)
        return {540, 72};
    return {365, 36};
}

} // namespace DisplayScale
