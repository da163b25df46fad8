#pragma once

#include <QProcess>
#include <QString>

// A private X server for one test: Xvfb on a display number it picks itself, ended with the
// object.
class XvfbServer
{
public:
    ~XvfbServer();

    // Starts the server with one screen of `screen` ("1024x768x24"); false when it does not
    // come up.
    bool start(const QString& screen);

    // ":N", the value for DISPLAY.
    QString display() const { return m_display; }

private:
    QProcess m_process;
    QString m_display;
};
