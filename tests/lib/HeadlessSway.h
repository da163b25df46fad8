#pragma once

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

// Debian's sway on wlroots' headless backend, for the tests that need a real compositor, with a
// runtime folder of its own. sway refuses to run as root: run as root, the test starts it as
// the unprivileged user "nobody" and reaches its sockets all the same. Ended with the object.
class HeadlessSway
{
public:
    ~HeadlessSway();

    // Starts sway with `extraConfig` appended to a configuration of one 640×480 output and no
    // Xwayland ("xwayland enable" in `extraConfig` brings it); false (with the reason in
    // problem()) when it did not come up in time.
    bool start(const QString& extraConfig = QString());
    QString problem() const { return m_problem; }

    // The Wayland socket's full path, for WAYLAND_DISPLAY or wl_display_connect.
    QString socket() const { return m_socket; }
    QString runtimeDir() const { return m_dir.filePath(QStringLiteral("run")); }
    // The environment a client of this sway gets: its socket, no X display, Qt on Wayland.
    QProcessEnvironment clientEnvironment() const;
    // Xwayland's display (":0"); empty without Xwayland. Xwayland lets in its own user only:
    // its clients start through asUser().
    QString xDisplay() const { return m_xDisplay; }
    // `process` set to start `program` as sway's own user (as "nobody" when the test is root).
    static void asUser(QProcess& process, const QString& program, const QStringList& arguments);

    // Runs one swaymsg command; its standard output, empty when it failed.
    QByteArray swaymsg(const QStringList& arguments) const;

    // What output `output` shows now, read back with grim (screencopy); null when that failed.
    QImage screenshot(const QString& output = QStringLiteral("HEADLESS-1")) const;
    // Gives the seat a keyboard for as long as sway runs: headless sway has none, and a seat
    // without one gives no client a wl_keyboard (a keyboard that comes and goes with each
    // typing would race with the clients asking for theirs).
    bool keepKeyboard();
    // Types `text` through the compositor's virtual keyboard (wtype).
    bool type(const QString& text) const;

private:
    // Runs `program` as a client of this sway; its standard output, empty when it failed.
    QByteArray runClient(const QString& program, const QStringList& arguments) const;

    QTemporaryDir m_dir;
    QProcess m_sway;
    QProcess m_keyboard;
    QString m_socket;
    QString m_xDisplay;
    QString m_ipcSocket;
    QString m_problem;
};
