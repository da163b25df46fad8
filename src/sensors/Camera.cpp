#include "sensors/Camera.h"

#include "KavoLog.h"
#include "parts/PartLoader.h"
#include "sensors/SteppedValue.h"

#include <QTimer>

// What the capture reports, on its thread: passed on as the camera's signals and log lines.
class Camera::Events : public ICaptureEvents
{
public:
    explicit Events(Camera& camera) : m_camera(camera) {}

    void capture_started() override { emit m_camera.capture_started(); }
    void preview(const QImage& frame) override { emit m_camera.refresh_image(frame); }
    void log(const QString& line) override { log_line(line); }

private:
    Camera& m_camera;
};

Camera::Camera(QStringList cascade_folders, QObject* parent)
    : QObject(parent), m_cascade_folders(std::move(cascade_folders)),
      m_update_timer(new QTimer(this)), m_events(std::make_unique<Events>(*this))
{
    m_update_timer->setInterval(1000);
    connect(m_update_timer, &QTimer::timeout, this, qOverload<>(&Camera::update));
    // Received on the GUI thread after the frame: the capture may send the next one.
    connect(this, &Camera::refresh_image, this, [this] { m_state.preview_pending = false; });
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
    switch (m_state.status.load()) {
    // In English (kavoctl's status reads it); the blink window shows it translated.
    case Status::NoCamera:
        return QStringLiteral(QT_TRANSLATE_NOOP("Translator", "No camera found"));
    case Status::DetectorsMissing:
        return QStringLiteral(QT_TRANSLATE_NOOP("Translator", "Object detectors not found"));
    case Status::PartMissing:
        return QStringLiteral(QT_TRANSLATE_NOOP("Translator", "Camera features are missing"));
    case Status::Ok:
        break;
    }
    return {};
}

void Camera::set_use_automatic_brightness(bool use)
{
    m_state.use_automatic_brightness = use;
    if (use)
        return;
    // Without the room light there is no brightness to pass on; the next measurement starts
    // the steps over.
    m_state.target_brightness = -1.0f;
    m_current_brightness = -1.0f;
}

bool Camera::is_thread_running() const
{
    return m_capture && m_capture->is_running();
}

void Camera::start_capture(ICameras& cameras)
{
    m_cameras = &cameras;
    if (is_thread_running()) {
        m_restart = !m_state.running;
        return;
    }
    begin_capture();
}

void Camera::begin_capture()
{
    if (!m_capture) {
        auto* part = PartLoader::load<ISensorPart>(QStringLiteral("sensors"));
        if (!part) {
            m_state.status = Status::PartMissing;
            return;
        }
        ISensorPart::Capture capture;
        capture.face_cascade =
            CascadeFiles::find(QLatin1String(CascadeFiles::kFace), m_cascade_folders);
        capture.eyes_cascade =
            CascadeFiles::find(QLatin1String(CascadeFiles::kEyes), m_cascade_folders);
        capture.context = this;
        capture.finished = [this] { capture_ended(); };
        m_capture = part->create_capture(m_state, *m_events, capture);
    }
    m_state.running = true;
    m_state.first_frame_pending = true;
    m_state.status = Status::Ok;
    m_update_timer->start();
    m_capture->start(*m_cameras);
}

void Camera::stop_capture()
{
    m_restart = false;
    m_state.running = false;
}

void Camera::stop_and_wait()
{
    stop_capture();
    if (m_capture)
        m_capture->wait();
}

void Camera::capture_ended()
{
    // Delivered after the thread has ended: a capture may have begun since.
    if (is_thread_running())
        return;
    m_update_timer->stop();
    if (m_restart && m_cameras) {
        m_restart = false;
        begin_capture();
    }
}

bool Camera::update(bool force)
{
    if (!m_state.running || !m_state.use_automatic_brightness || m_state.target_brightness < 0.0f ||
        !m_hooks.page_loaded || !m_hooks.page_loaded())
        return false;
    if (m_current_brightness < 0.0f)
        m_current_brightness =
            m_hooks.start_brightness ? static_cast<float>(m_hooks.start_brightness()) : 100.0f;
    m_current_brightness = step_toward(m_current_brightness, m_state.target_brightness);
    emit brightness_changed(static_cast<int>(m_current_brightness));
    return force;
}

void Camera::update()
{
    update(false);
}
