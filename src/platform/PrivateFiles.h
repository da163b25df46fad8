#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// The files Kavo keeps in the user's runtime and settings folders. Something else may have put
// a link where one of them belongs: Kavo never writes through a link there, and reads files
// that decide what it does only when they are plain files of the user's own (or root's).
namespace PrivateFiles {

enum class Flush
{
    ToDisk, // the file survives a power cut once written
    No,     // for files that are rewritten all the time and matter only while Kavo runs
};

// Writes `content` to `path` in one step: into a new file beside it (readable by the user
// only), which is then renamed over `path`. A link at `path` is replaced, never followed.
// False, with `error` saying why, when it cannot be written.
bool write(const QString& path, const QByteArray& content, QString* error = nullptr,
           Flush flush = Flush::ToDisk);

// Removes a link standing at `path`, so that a writer that follows links (QSettings) writes a
// plain file of its own instead. True when no link is left there.
bool remove_link(const QString& path);

// Opens `path` for reading when it is a plain file owned by this user or by root: never
// through a link, and never blocking (a FIFO or a device is refused, not waited on). False,
// with `error` saying why, otherwise.
bool open_trusted(QFile& file, const QString& path, QString* error = nullptr);

// Whether `folder` is a folder (not a link) owned by this user or root that no one else may
// write into.
bool is_trusted_folder(const QString& folder);

} // namespace PrivateFiles
