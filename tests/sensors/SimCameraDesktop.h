#pragma once

#include "platform/sim/SimDesktop.h"

#include <QJsonObject>
#include <QTemporaryDir>

#include <opencv2/core.hpp>

#include <vector>

// A simulated desktop installed as the current platform, with a folder for the frames and
// screen pictures a test makes. Uninstalled when it goes.
class SimCameraDesktop
{
public:
    SimCameraDesktop();
    ~SimCameraDesktop();

    QString path(const QString& name) const { return m_dir.filePath(name); }

    // Writes `frames` as pictures and makes them the camera's frames ("camera": {"frames":
    // …, "fps": fps} plus `extra`); replaces the camera and keeps the rest of the config.
    void set_camera_frames(const std::vector<cv::Mat>& frames, int fps = 60,
                           const QJsonObject& extra = {});
    // Sets the config's "camera" to `camera` (null: no camera).
    void set_camera(const QJsonValue& camera);
    // Writes a screen picture of one grey level and makes it the screen.
    void set_screen(int grey);
    // Sets any key of the config.
    void set(const QString& key, const QJsonValue& value);

    SimDesktop& desktop() { return *m_sim; }
    QJsonObject camera_state() const;

private:
    void write_config();

    QTemporaryDir m_dir;
    QJsonObject m_config;
    SimDesktop* m_sim = nullptr;
    int m_written = 0;
};
