#pragma once

#include <QString>

// Where a Kavo executable runs from. `make install` (cmake --install) and the package put kavo
// in <prefix>/bin and its desktop entry in <prefix>/share/applications/com.velmora.Kavo.desktop;
// a Kavo run from its build folder has no such entry beside it. Only an installed Kavo registers
// itself with the session (start with the session, the kavo: scheme), so trying a build never
// leaves entries behind that point into a build folder.
namespace InstallLocation {

// Kavo's id on the desktop: the menu entry's name, the icon's, and the AppStream component's.
inline const char* const kAppId = "com.velmora.Kavo";

// The installed menu entry's file name.
inline const char* const kDesktopEntryName = "com.velmora.Kavo.desktop";

// The name the menu entry had before it was named after the id.
inline const char* const kOldDesktopEntryName = "kavo.desktop";

// True when `program` (an executable path) sits in <prefix>/bin with the desktop entry in
// <prefix>/share/applications.
bool is_installed(const QString& program);

// The same for the running executable.
bool is_running_installed();

// The log line of a Kavo that leaves a session registration alone because it is not installed.
QString not_installed_reason(const QString& what);

} // namespace InstallLocation
