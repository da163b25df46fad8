#pragma once

#include "PrivateBus.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

// Debian's KWin 5.27 without a screen (kwin_wayland --virtual) on a session bus of its own,
// with its own home, configuration and runtime folders, for the tests that need the real
// Plasma compositor. Ended with the object.
class HeadlessKWin
{
public:
    // KWin listens on `socket` in its runtime folder.
    explicit HeadlessKWin(QString socket) : m_socket(std::move(socket)) {}
    ~HeadlessKWin();

    // Makes the folders, a runnable copy of KWin and the bus; false (with the reason in
    // problem()) when one of them fails. The configuration folder can be filled before start().
    bool prepare();
    // Starts KWin; false when its process does not start. KWin's services come a while later:
    // the test waits for the one it needs.
    bool start();
    void stop();
    QString problem() const { return m_problem; }

    // A file or folder of KWin's desktop: "config/kwinrc", "runtime", "kwin.log".
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // The Wayland socket's full path, for WAYLAND_DISPLAY or wl_display_connect.
    QString socketPath() const;
    QString busAddress() const { return m_bus.address(); }
    // A new connection to KWin's session bus under `name`.
    QDBusConnection connect(const QString& name) const { return m_bus.connect(name); }
    // The environment of the desktop's programs: its bus, home and folders, no display.
    QProcessEnvironment environment() const;
    // The same with KWin's socket and Qt drawing through it, for a window on this desktop.
    QProcessEnvironment clientEnvironment() const;

private:
    QString m_socket;
    QTemporaryDir m_dir;
    PrivateBus m_bus;
    QProcess m_kwin;
    QString m_problem;
};
