#pragma once

#include <QString>
#include <QStringList>

// Before Qt starts: Qt's X11 platform ends the process with an abort when it cannot reach
// its display, so Kavo looks first and says in one line what is wrong instead.
namespace DisplayCheck {

// Prepares the Qt platform and returns the one-line reason Kavo cannot start, or nothing.
// With KAVO_PLATFORM=sim and no display to reach, Qt runs offscreen instead.
QString prepare(const QStringList& arguments);

} // namespace DisplayCheck
