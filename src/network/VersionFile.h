#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The version file of the update server: line 1 "<label>:<version>", lines 2 and 3 unused,
// line 4 "<label> : <download address>". Versions compare by their numbers (1.10 is newer
// than 1.9); the download address must be https.
struct VersionFile
{
    enum class Verdict
    {
        Invalid,             // not a version file: too few lines, or no version on line 1
        UpToDate,            // the server names this version
        NotNewer,            // the server names an older version
        NewVersion,          // a newer version, with its download address
        InvalidDownloadLine, // a newer version, but no usable download address
    };

    Verdict verdict = Verdict::Invalid;
    QString serverVersion;
    QString downloadAddress;
    // What Kavo logs about the answer, one line per entry.
    QStringList log;

    // Reads `body` against the running version `currentVersion`.
    static VersionFile read(const QByteArray& body, const QString& currentVersion);
};
