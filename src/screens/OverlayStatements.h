#pragma once

#include "screens/OverlayPalette.h"

#include <QRect>
#include <QString>

// The statements Kavo runs in the pages of the overlay and the lightness screens. Every value
// is a number Kavo formats itself, so no outside text reaches them.
namespace OverlayStatements {

// Covers everything around `area` (page coordinates), leaving `area` clear.
QString create_div(const QRect& area);

// One block covers the whole page again.
QString reset_area();

// "set_background_color('rgba(R, G, B, A)');", alpha in the shortest form of at most six
// significant digits (0.35, 1).
QString set_background_color(const OverlayPalette::Rgb& rgb, float alpha);

// "set_box_shadow(x, y, opacity, radius);"
QString set_box_shadow(int x, int y, int opacity, int radius);

} // namespace OverlayStatements
