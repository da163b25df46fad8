#pragma once

#include "XvfbServer.h"
#include "platform/GammaRamp.h"

#include <QColor>
#include <QPoint>
#include <QProcess>
#include <QTemporaryDir>
#include <QVariantMap>

#include <memory>

class X11Connection;
struct _XDisplay;

// A real X desktop for the overlay tests: Xvfb with openbox (and xcompmgr when asked), a test
// window of one colour, and Kavo started on it with a settings file of the test's, beside a
// look at what the screen shows and what the CRTC's ramp holds.
class OverlayDesktop
{
public:
    // How long anything on the desktop may take to happen.
    static constexpr int kWait = 60000;

    OverlayDesktop();
    ~OverlayDesktop();

    // Starts the desktop with a window filled with `colour`; false (see problem()) when a part
    // does not come up.
    bool start(bool compositing, const QString& colour);
    QString problem() const { return m_problem; }

    // Starts Kavo with `settings` over a neutral colour schedule.
    void launchKavo(const QVariantMap& settings);
    // The settings file Kavo starts with: `settings` over a neutral colour schedule.
    void writeSettings(const QVariantMap& settings) const;
    // What Kavo finds in its environment: its own folders on this desktop.
    QProcessEnvironment kavoEnvironment() const;
    // Kavo's log so far.
    QString log();

    // The middle of the test window, and its id in decimal as xdotool writes it.
    QPoint centre() const { return m_centre; }
    QString windowId() const { return m_windowId; }
    // Mouse presses the test window has seen so far.
    int presses();

    // What the screen shows at `point` (the picture, before the gamma ramp).
    QColor pixel(const QPoint& point);
    GammaRamp crtcRamp();
    // Whether a window of that title is mapped.
    bool windowShown(const QString& title);
    QString xdotool(const QStringList& arguments);

    static bool near(const QColor& shown, const QColor& expected, int tolerance);

private:
    bool fail(const QString& problem);
    bool selectionOwned(const char* name);
    QPoint windowCentre();

    XvfbServer m_xvfb;
    QTemporaryDir m_dir;
    QProcessEnvironment m_environment;
    _XDisplay* m_display = nullptr;
    std::unique_ptr<X11Connection> m_ramps;
    QProcess m_openbox;
    QProcess m_compositor;
    QProcess m_window;
    QString m_windowId;
    QByteArray m_windowOutput;
    QPoint m_centre;
    std::unique_ptr<QProcess> m_kavo;
    QString m_log;
    QString m_problem;
};
