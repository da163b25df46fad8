#pragma once

#include <QByteArray>
#include <QString>

// Reads and replaces a file of the user's in one step, never through a symbolic link: a link
// may lead into a folder the user did not mean Kavo to write, so Kavo leaves it alone and says
// why. A replaced file keeps its permissions; a reader sees the old content or the new, never
// half of one.
namespace SafeFileWrite {

// Reads the regular file at `path` into `bytes`. A missing file reads as empty (and true);
// false, with `problem` set, for a link, something other than a file, or a read error.
bool read(const QString& path, QByteArray& bytes, QString* problem = nullptr);

// Replaces (or creates) the regular file at `path` with `bytes`, creating its folder when it
// is missing; false, with `problem` set, when `path` is a link or cannot be written.
bool replace(const QString& path, const QByteArray& bytes, QString* problem = nullptr);

// Removes the file at `path` (a link is removed, never followed); true when it is gone.
bool remove(const QString& path);

} // namespace SafeFileWrite
