#pragma once

#include "XvfbServer.h"
#include "platform/GammaRamp.h"

#include <QProcess>
#include <QTemporaryDir>

#include <memory>

class X11Connection;

// Kavo on a private X server (Xvfb, which keeps a gamma ramp per CRTC as hardware does), with
// its own settings and runtime folders, and an independent look at what the CRTC shows.
class X11Desktop
{
public:
    X11Desktop();
    ~X11Desktop();

    // Starts the server; false when it does not come up.
    bool start();

    // Loads a calibration as a colour profile loader would ("0.8:0.9:1.0"); false on failure.
    bool loadCalibration(const QString& gamma);
    // The 256-entry ramp the CRTC shows now.
    GammaRamp crtcRamp() const;

    // Writes the settings file (lines of "Key=value") Kavo starts with.
    void writeSettings(const QByteArray& lines) const;
    QString runtimeFile(const QString& name) const;

    // Starts kavo with `arguments`; its output goes to `output` when given.
    std::unique_ptr<QProcess> launchKavo(const QStringList& arguments = {},
                                         QProcess* output = nullptr) const;
    // Runs kavoctl to its end.
    std::unique_ptr<QProcess> kavoctl(const QStringList& arguments) const;

    // The pid of the child of `parent` named `name` (the guardian of a kavo); 0 when none.
    static qint64 childPid(qint64 parent, const QString& name);
    // Whether process `pid` has ended (a zombie counts as ended).
    static bool hasEnded(qint64 pid);

private:
    XvfbServer m_xvfb;
    QTemporaryDir m_dir;
    QProcessEnvironment m_environment;
    std::unique_ptr<X11Connection> m_observer;
};
