#include "platform/sim/SimCameras.h"

#include "KavoLog.h"
#include "platform/sim/SimCameraSources.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QMutexLocker>

#include <opencv2/imgcodecs.hpp>

void SimCameras::setConfigFolder(const QString& folder)
{
    QMutexLocker lock(&m_mutex);
    m_folder = folder;
}

void SimCameras::configure(const QJsonObject& config)
{
    const QJsonValue camera = config.value(QLatin1String("camera"));
    Description described;
    if (camera.isObject()) {
        const QJsonObject object = camera.toObject();
        described.present = true;
        described.busy = object.value(QLatin1String("busy")).toBool();
        for (const QJsonValue& frame : object.value(QLatin1String("frames")).toArray())
            described.frames.append(frame.toString());
        described.video = object.value(QLatin1String("video")).toString();
        described.fps = object.value(QLatin1String("fps")).toInt(30);
        described.fail_after = object.value(QLatin1String("fail_after")).toInt(-1);
    }
    QMutexLocker lock(&m_mutex);
    m_description = described;
}

SimCameras::Description SimCameras::description() const
{
    QMutexLocker lock(&m_mutex);
    Description described = m_description;
    for (QString& frame : described.frames)
        frame = QDir(m_folder).absoluteFilePath(frame);
    if (!described.video.isEmpty())
        described.video = QDir(m_folder).absoluteFilePath(described.video);
    return described;
}

std::unique_ptr<ICameraSource> SimCameras::open(int device)
{
    const Description described = description();
    if (device != 0 || !described.present || described.busy)
        return nullptr;
    std::unique_ptr<ICameraSource> source = openDescribed(described);
    if (source)
        reportOpen(true);
    return source;
}

std::unique_ptr<ICameraSource> SimCameras::openDescribed(const Description& described)
{
    SimCameraBehaviour behaviour;
    behaviour.fps = described.fps;
    behaviour.fail_after = described.fail_after;
    behaviour.on_release = [this] { reportOpen(false); };

    if (!described.video.isEmpty()) {
        auto video = VideoCaptureSource::openFile(QFile::encodeName(described.video).toStdString());
        if (!video) {
            log_line(QStringLiteral("Simulated camera video not readable: ") + described.video);
            return nullptr;
        }
        return std::make_unique<LoopingVideoSource>(std::move(video), std::move(behaviour));
    }
    std::vector<cv::Mat> frames;
    for (const QString& path : described.frames) {
        cv::Mat frame = cv::imread(QFile::encodeName(path).toStdString(), cv::IMREAD_COLOR);
        if (frame.empty())
            log_line(QStringLiteral("Simulated camera frame not readable: ") + path);
        else
            frames.push_back(frame);
    }
    if (frames.empty())
        return nullptr;
    return std::make_unique<FrameSequenceSource>(std::move(frames), std::move(behaviour));
}

void SimCameras::reportOpen(bool open)
{
    m_open = open;
    if (open)
        ++m_opened;
    QMetaObject::invokeMethod(
        this, [this] { changed(); }, Qt::QueuedConnection);
}

void SimCameras::addState(QJsonObject& state) const
{
    state.insert(QStringLiteral("camera"),
                 QJsonObject{{QStringLiteral("open"), m_open.load()},
                             {QStringLiteral("opened"), m_opened.load()}});
}
