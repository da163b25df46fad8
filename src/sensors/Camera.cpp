#include "sensors/Camera.h"

#include "KavoLog.h"
#include "platform/ICameras.h"
#include "sensors/DutyCycle.h"
#include "sensors/FaceDetector.h"
#include "sensors/RoomLight.h"
#include "sensors/SteppedValue.h"

#include <QElapsedTimer>
#include <QTimer>

#include <opencv2/core/utility.hpp>
#include <opencv2/core/utils/logger.hpp>
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

Camera::Camera(QStringList cascade_folders, QObject* parent)
    : QThread(parent), m_cascade_folders(std::move(cascade_folders)),
      m_update_timer(new QTimer(this))
{
    qRegisterMetaType<cv::Mat>("cv::Mat");
    // The thread's name in the system's process list.
    setObjectName(QStringLiteral("Camera"));
    // The camera's work stays on its own thread, where the duty cycle can measure and bound it.
    cv::setNumThreads(0);
    // A missing or busy camera is Kavo's to report, in its own words.
    cv::utils::logging::setLogLevel(cv::utils::logging::LOG_LEVEL_SILENT);
    m_update_timer->setInterval(1000);
    connect(m_update_timer, &QTimer::timeout, this, qOverload<>(&Camera::update));
    connect(this, &QThread::finished, this, &Camera::capture_ended);
    // Received on the GUI thread after the frame: the capture may send the next one.
    connect(this, &Camera::refresh_image, this, [this] { m_preview_pending = false; });
}

Camera::~Camera()
{
    stop_and_wait();
}

void Camera::set_hooks(CameraHooks hooks)
{
    m_hooks = std::move(hooks);
}

QString Camera::status_text() const
{
    switch (m_status.load()) {
    // In English (kavoctl's status reads it); the blink window shows it translated.
    case Status::NoCamera:
        return QStringLiteral(QT_TRANSLATE_NOOP("Translator", "No camera found"));
    case Status::DetectorsMissing:
        return QStringLiteral(QT_TRANSLATE_NOOP("Translator", "Object detectors not found"));
    case Status::Ok:
        break;
    }
    return {};
}

void Camera::set_use_automatic_brightness(bool use)
{
    m_use_automatic_brightness = use;
    if (use)
        return;
    // Without the room light there is no brightness to pass on; the next measurement starts
    // the steps over.
    m_target_brightness = -1.0f;
    m_current_brightness = -1.0f;
}

void Camera::start_capture(ICameras& cameras)
{
    m_cameras = &cameras;
    if (isRunning()) {
        m_restart = !m_running;
        return;
    }
    begin_capture();
}

void Camera::begin_capture()
{
    m_running = true;
    m_first_frame_pending = true;
    m_status = Status::Ok;
    m_update_timer->start();
    start(QThread::InheritPriority);
}

void Camera::stop_capture()
{
    m_restart = false;
    m_running = false;
}

void Camera::stop_and_wait()
{
    stop_capture();
    wait();
}

void Camera::capture_ended()
{
    // Delivered after the thread has ended: a capture may have begun since.
    if (isRunning())
        return;
    m_update_timer->stop();
    if (m_restart && m_cameras) {
        m_restart = false;
        begin_capture();
    }
}

bool Camera::update(bool force)
{
    if (!m_running || !m_use_automatic_brightness || m_target_brightness < 0.0f ||
        !m_hooks.page_loaded || !m_hooks.page_loaded())
        return false;
    if (m_current_brightness < 0.0f)
        m_current_brightness =
            m_hooks.start_brightness ? static_cast<float>(m_hooks.start_brightness()) : 100.0f;
    m_current_brightness = step_toward(m_current_brightness, m_target_brightness);
    emit brightness_changed(static_cast<int>(m_current_brightness));
    return force;
}

void Camera::update()
{
    update(false);
}

void Camera::run()
{
    std::unique_ptr<ICameraSource> source = m_cameras ? m_cameras->open(0) : nullptr;
    if (!source) {
        m_status = Status::NoCamera;
        log_line(QStringLiteral("No camera found."));
        m_running = false;
        return;
    }
    capture(*source);
    source.reset();
    m_running = false;
}

void Camera::capture(ICameraSource& source)
{
    FaceDetector detector;
    if (!detector.load(CascadeFiles::find(QLatin1String(CascadeFiles::kFace), m_cascade_folders),
                       CascadeFiles::find(QLatin1String(CascadeFiles::kEyes), m_cascade_folders))) {
        m_status = Status::DetectorsMissing;
        log_line(QStringLiteral("Error loading classifiers."));
    }
    DutyCycle duty(kCpuShare);
    QElapsedTimer since_frame;
    since_frame.start();
    bool failing = false;
    while (m_running) {
        cv::Mat frame;
        const bool grabbed = source.grab();
        if (grabbed && !duty.due()) {
            since_frame.restart();
            continue;
        }
        if (!grabbed || !source.retrieve(frame) || !to_bgr(frame)) {
            if (!failing)
                log_line(QStringLiteral("No frame captured."));
            failing = true;
            if (since_frame.elapsed() >= kFrameTimeoutMs) {
                m_status = Status::NoCamera;
                log_line(QStringLiteral("No camera found."));
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

void Camera::process_frame(cv::Mat& frame, FaceDetector& detector)
{
    if (m_first_frame_pending) {
        m_first_frame_pending = false;
        emit capture_started();
    }
    if (m_use_automatic_brightness) {
        const int level = RoomLight::level(RoomLight::mean_luminance(frame));
        m_target_brightness = static_cast<float>(RoomLight::target_brightness(level));
    }
    if (m_use_blink_detection)
        m_blinks.observe(detector.detect(frame, m_preview_on));
    if (m_preview_on)
        send_preview(frame);
}

void Camera::send_preview(const cv::Mat& frame)
{
    // One frame in flight at most: a busy GUI thread does not pile frames up.
    if (m_preview_pending.exchange(true))
        return;
    cv::Mat preview;
    cv::resize(frame, preview, kPreviewSize, 0, 0, cv::INTER_AREA);
    emit refresh_image(preview);
}
