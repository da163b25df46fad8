#include "parts/sensors/SensorPart.h"

#include "parts/sensors/CameraCapture.h"
#include "platform/VideoCaptureSource.h"
#include "platform/sim/SimCameraSources.h"

#include <QFile>

#include <opencv2/core/utility.hpp>
#include <opencv2/core/utils/logger.hpp>
#include <opencv2/imgcodecs.hpp>

SensorPart::SensorPart()
{
    // The camera's work stays on its own thread, where the duty cycle can measure and bound it.
    cv::setNumThreads(0);
    // A missing or busy camera is Kavo's to report, in its own words.
    cv::utils::logging::setLogLevel(cv::utils::logging::LOG_LEVEL_SILENT);
}

std::unique_ptr<ICameraCapture>
SensorPart::create_capture(CaptureState& state, ICaptureEvents& events, const Capture& capture)
{
    return std::make_unique<CameraCapture>(state, events, capture);
}

std::unique_ptr<ICameraSource> SensorPart::open_device(int index, int width, int height)
{
    return VideoCaptureSource::openDevice(index, cv::CAP_V4L2, width, height);
}

std::unique_ptr<ICameraSource> SensorPart::open_simulated(const SimulatedCamera& camera,
                                                          QStringList* unreadable)
{
    SimCameraBehaviour behaviour;
    behaviour.fps = camera.fps;
    behaviour.fail_after = camera.fail_after;
    behaviour.on_release = camera.on_release;

    if (!camera.video.isEmpty()) {
        auto video = VideoCaptureSource::openFile(QFile::encodeName(camera.video).toStdString());
        if (!video) {
            unreadable->append(camera.video);
            return nullptr;
        }
        return std::make_unique<LoopingVideoSource>(std::move(video), std::move(behaviour));
    }
    std::vector<cv::Mat> frames;
    for (const QString& path : camera.frames) {
        cv::Mat frame = cv::imread(QFile::encodeName(path).toStdString(), cv::IMREAD_COLOR);
        if (frame.empty())
            unreadable->append(path);
        else
            frames.push_back(frame);
    }
    if (frames.empty())
        return nullptr;
    return std::make_unique<FrameSequenceSource>(std::move(frames), std::move(behaviour));
}
