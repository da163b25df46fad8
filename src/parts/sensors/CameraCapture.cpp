#include "parts/sensors/CameraCapture.h"

#include "platform/ICameras.h"
#include "sensors/DutyCycle.h"
#include "sensors/FaceDetector.h"
#include "sensors/RoomLight.h"

#include <QElapsedTimer>
#include <QImage>

#include <opencv2/imgproc.hpp>

namespace {
const cv::Size kPreviewSize(330, 220);
// The share of one core the camera may take for its frames.
constexpr double kCpuShare = 0.2;
// A camera that delivered no frame for this long is gone.
constexpr qint64 kFrameTimeoutMs = 1000;
// The pause between two attempts at a camera that failed to deliver.
constexpr unsigned long kRetryPauseMs = 50;

// Frames arrive as the camera makes them: grey, BGR or BGRA. Other kinds are not used.
bool to_bgr(cv::Mat& frame)
{
    if (frame.depth() != CV_8U)
        return false;
    if (frame.channels() == 1)
        cv::cvtColor(frame, frame, cv::COLOR_GRAY2BGR);
    else if (frame.channels() == 4)
        cv::cvtColor(frame, frame, cv::COLOR_BGRA2BGR);
    return frame.channels() == 3;
}
} // namespace

CameraCapture::CameraCapture(CaptureState& state, ICaptureEvents& events,
                             ISensorPart::Capture capture)
    : m_state(state), m_events(events), m_capture(std::move(capture))
{
    // The thread's name in the system's process list.
    setObjectName(QStringLiteral("Camera"));
    if (m_capture.finished)
        connect(this, &QThread::finished, m_capture.context, m_capture.finished);
}

CameraCapture::~CameraCapture()
{
    m_state.running = false;
    QThread::wait();
}

void CameraCapture::start(ICameras& cameras)
{
    m_cameras = &cameras;
    QThread::start(QThread::InheritPriority);
}

void CameraCapture::run()
{
    std::unique_ptr<ICameraSource> source = m_cameras ? m_cameras->open(0) : nullptr;
    if (!source) {
        m_state.status = CameraStatus::NoCamera;
        log("No camera found.");
        m_state.running = false;
        return;
    }
    capture(*source);
    source.reset();
    m_state.running = false;
}

void CameraCapture::capture(ICameraSource& source)
{
    FaceDetector detector;
    if (!detector.load(m_capture.face_cascade, m_capture.eyes_cascade)) {
        m_state.status = CameraStatus::DetectorsMissing;
        log("Error loading classifiers.");
    }
    DutyCycle duty(kCpuShare);
    QElapsedTimer since_frame;
    since_frame.start();
    bool failing = false;
    while (m_state.running) {
        cv::Mat frame;
        const bool grabbed = source.grab();
        if (grabbed && !duty.due()) {
            since_frame.restart();
            continue;
        }
        if (!grabbed || !source.retrieve(frame) || !to_bgr(frame)) {
            if (!failing)
                log("No frame captured.");
            failing = true;
            if (since_frame.elapsed() >= kFrameTimeoutMs) {
                m_state.status = CameraStatus::NoCamera;
                log("No camera found.");
                return;
            }
            msleep(kRetryPauseMs);
            continue;
        }
        failing = false;
        since_frame.restart();
        duty.begin();
        process_frame(frame, detector);
        duty.end();
    }
}

void CameraCapture::process_frame(cv::Mat& frame, FaceDetector& detector)
{
    if (m_state.first_frame_pending.exchange(false))
        m_events.capture_started();
    if (m_state.use_automatic_brightness) {
        const int level = RoomLight::level(RoomLight::mean_luminance(frame));
        m_state.target_brightness = static_cast<float>(RoomLight::target_brightness(level));
    }
    if (m_state.use_blink_detection)
        m_state.blinks.observe(detector.detect(frame, m_state.preview_on));
    if (m_state.preview_on)
        send_preview(frame);
}

void CameraCapture::send_preview(const cv::Mat& frame)
{
    // One frame in flight at most: a busy GUI thread does not pile frames up.
    if (m_state.preview_pending.exchange(true))
        return;
    cv::Mat preview;
    cv::resize(frame, preview, kPreviewSize, 0, 0, cv::INTER_AREA);
    cv::cvtColor(preview, preview, cv::COLOR_BGR2RGB);
    const QImage image(preview.data, preview.cols, preview.rows, static_cast<int>(preview.step),
                       QImage::Format_RGB888);
    m_events.preview(image.copy());
}
