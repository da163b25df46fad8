#pragma once

#include <QSize>

// How large the main window draws itself. `UiScale` chooses: 1 normal, 2 retina (twice the
// size), 3 "1920" (one and a half times); 0 decides from the primary screen's size.
namespace DisplayScale {

bool is_retina(int ui_scale, const QSize& primary_screen);
bool is_1920(int ui_scale, const QSize& primary_screen);

// The drag strip over the page's header at that scale.
QSize drag_strip_size(bool retina, bool is_1920);

} // namespace DisplayScale
