#pragma once

#include "platform/ICameras.h"
#include "platform/sim/SimService.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>

// The simulated desktop's camera, device 0, described by the config's "camera":
//   {"frames": ["open.png", "closed.png"], "fps": 30}  still images played in a loop
//   {"video": "room.avi", "fps": 30}                    a video file played in a loop
// with "fail_after": n to stop delivering after n frames (a device that vanishes) and
// "busy": true for a device that cannot be opened. Paths are relative to the config's folder
// when not absolute. Without "camera" there is no device. The state reports
// "camera": {"open": bool, "opened": times opened}.
class SimCameras : public QObject, public ICameras, public SimService
{
public:
    void setConfigFolder(const QString& folder);

    std::unique_ptr<ICameraSource> open(int device) override;

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

private:
    struct Description
    {
        bool present = false;
        bool busy = false;
        QStringList frames;
        QString video;
        int fps = 30;
        int fail_after = -1;
    };

    Description description() const;
    std::unique_ptr<ICameraSource> openDescribed(const Description& described);
    // Open and release happen on the camera thread; the state is written on this object's.
    void reportOpen(bool open);

    mutable QMutex m_mutex;
    QString m_folder;
    Description m_description;
    std::atomic<bool> m_open{false};
    std::atomic<int> m_opened{0};
};
