#pragma once

#include "HeadlessSway.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// A session on headless sway (HeadlessSway) with its Xwayland, for one test, and Kavo's folders
// beside it. When the test runs as root, sway and every program started here run as "nobody",
// in folders that user owns.
class SwayDesktop
{
public:
    SwayDesktop();

    // Starts sway; false (with the reason in `problem`) when it does not come up in time.
    bool start(QString* problem);

    // WAYLAND_DISPLAY (an absolute path) and DISPLAY (Xwayland's) of the session.
    QString waylandDisplay() const { return m_sway.socket(); }
    QString xDisplay() const { return m_sway.xDisplay(); }

    // Writes Kavo's settings file (lines of "Key=value").
    void writeSettings(const QByteArray& lines) const;
    // A file in Kavo's runtime folder.
    QString kavoRuntimeFile(const QString& name) const;

    // The environment of a program of the session: Kavo's folders, both displays and
    // XDG_SESSION_TYPE=wayland.
    QProcessEnvironment environment() const;
    // Starts `program` as the session's user with `environment`.
    std::unique_ptr<QProcess> launch(const QString& program, const QStringList& arguments,
                                     const QProcessEnvironment& environment) const;
    // Runs `program` to its end (at most 30 s) and returns its standard output.
    QByteArray run(const QString& program, const QStringList& arguments) const;

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // Makes folder `name`, owned by the session's user and closed to others.
    bool makeFolder(const QString& name) const;

    QTemporaryDir m_dir;
    HeadlessSway m_sway;
    bool m_dropRoot = false;
};
