#pragma once

#include <QString>

// How program names in Kavo's lists match the names of running programs. Lists may come from
// Windows (imported settings name "vlc.exe") while Linux names the same program "vlc": a
// trailing ".exe" on either side does not stop a match.
namespace ProcessNames {

// `name` without a trailing ".exe" (in any case).
QString base(const QString& name);

// Timer and mouse pauser entries: the same name, case-sensitive ("vlc.exe" is "vlc").
bool same(const QString& entry, const QString& name);

// Colour pauser entries: the entry mentions the program (case-insensitive). As on Windows,
// where every program name ends in ".exe", the name must be followed by ".exe", a blank or
// the end of the entry: "notepad.exe" mentions "pad", "Photoshop.exe" does not mention "sh".
bool mentioned_in(const QString& entry, const QString& name);

// A colour pauser entry that asks for full screen ("vlc fullscreen").
bool asks_full_screen(const QString& entry);

// Foreground names that are never recorded as recent nor announced: none, Kavo itself and the
// desktop shell.
bool is_ignored(const QString& name);

// A competing screen-colour program that Kavo closes.
bool is_competitor(const QString& name);

} // namespace ProcessNames
