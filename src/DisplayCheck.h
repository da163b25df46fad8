#pragma once

#include <QString>
#include <QStringList>

// Before Qt starts: Qt's X11 platform ends the process with an abort when it cannot reach
// its display, so Kavo looks first and says in one line what is wrong instead.
namespace DisplayCheck {

// Prepares the Qt platform and returns the one-line reason Kavo cannot start, or nothing.
// With no X display to reach, Qt draws through the Wayland compositor where WAYLAND_DISPLAY
// names one, and runs offscreen with KAVO_PLATFORM=sim.
QString prepare(const QStringList& arguments);

// Once Qt has opened its display: takes back what prepare() set for Qt's painting alone, so
// that the programs Kavo starts (a browser for a link, the guardian) paint as they would.
void forget_painting_choice();

} // namespace DisplayCheck
