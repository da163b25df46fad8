#pragma once

#include <QSize>

// How large the main window draws itself. `UiScale` chooses: 1 normal, 2 retina (twice the
// size), 3 "1920" (one and a half times); 0 decides from the primary screen: retina on screens
// wider or taller than 2000 pixels, "1920" on those above 1500, each only while the largest
// view of the window fits the part of the screen windows may take (`available`).
namespace DisplayScale {

// The advanced view of the main page at the normal scale (the page's own size table).
constexpr QSize kLargestView(840, 600);

bool is_retina(int ui_scale, const QSize& primary_screen, const QSize& available);
bool is_1920(int ui_scale, const QSize& primary_screen, const QSize& available);

// The drag strip over the page's header at that scale.
QSize drag_strip_size(bool retina, bool is_1920);

} // namespace DisplayScale
