#pragma once

#include <QString>

// What the environment says about the desktop Kavo starts on.
struct SessionEnvironment
{
    QString requested;      // KAVO_PLATFORM: "sim", "x11" or "wayland"; empty to choose
    QString qtPlatform;     // Qt's platform plugin ("xcb", "wayland", "offscreen", ...)
    QString waylandDisplay; // WAYLAND_DISPLAY
    QString x11Display;     // DISPLAY
    QString sessionType;    // XDG_SESSION_TYPE

    // This process's environment; Qt's platform as QT_QPA_PLATFORM asks for it.
    static SessionEnvironment current();
};

// The backend an environment selects, and what Kavo says about the choice.
struct BackendChoice
{
    QString backend; // "sim", "x11" or "wayland"; empty when there is no desktop to run on
    QString message; // a request that was not understood, or why there is no desktop
};

// The backend for `environment`, from the session rather than from how Qt draws: the one
// KAVO_PLATFORM asks for; "sim" under Qt's offscreen and minimal platforms; "wayland" in a
// Wayland session (Qt may draw through Xwayland); "x11" in an X11 session. An unknown request
// is reported in the message and ignored.
BackendChoice chooseBackend(const SessionEnvironment& environment);
