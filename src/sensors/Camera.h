#pragma once

#include "Singleton.h"
#include "sensors/BlinkCounter.h"
#include "sensors/CascadeFiles.h"

#include <QMetaType>
#include <QThread>

#include <opencv2/core.hpp>

#include <atomic>
#include <functional>

class FaceDetector;
class ICameraSource;
class ICameras;
class QTimer;

Q_DECLARE_METATYPE(cv::Mat)

// What the camera asks of the controller when it passes the room light on.
struct CameraHooks
{
    // The main page has loaded: brightness changes may reach it.
    std::function<bool()> page_loaded;
    // The brightness the steps start from (NightBrightness).
    std::function<int()> start_brightness;
};

// The camera sensor. A thread of its own reads frames from the first video device, counts
// blinks by finding a face and its eyes, and measures the room light; once a second, on the
// GUI thread, the brightness that suits the room is passed on in small steps.
//
// The threads share single-word flags and counters only; frames reach the GUI thread as their
// own matrices through the queued refresh_image signal.
class Camera : public QThread, public Singleton<Camera>
{
    Q_OBJECT

public:
    enum class Status
    {
        Ok,
        NoCamera,
        DetectorsMissing,
    };

    // The cascades are looked for in `cascade_folders`, in order.
    explicit Camera(QStringList cascade_folders = CascadeFiles::default_folders(),
                    QObject* parent = nullptr);
    // Ends the capture and waits for the thread.
    ~Camera() override;

    void set_hooks(CameraHooks hooks);

    // Starts capturing from device 0 of `cameras` unless the capture runs; a capture that is
    // still ending starts again once it has ended.
    void start_capture(ICameras& cameras);
    // Asks the capture to end after the current frame.
    void stop_capture();
    // Ends the capture and waits until the thread has ended.
    void stop_and_wait();
    bool is_capturing() const { return m_running; }

    // "", "No camera found" or "Object detectors not found".
    QString status_text() const;
    Status status() const { return m_status; }

    int blink_count() const { return m_blinks.count(); }
    void reset_blinks() { m_blinks.reset(); }

    // The brightness that suits the room (percent); −1 until the room light was measured.
    float target_brightness() const { return m_target_brightness; }

    // Whether frames are sent to the blink window.
    bool is_preview_on() const { return m_preview_on; }
    void set_preview_on(bool on) { m_preview_on = on; }

    // What the capture does with each frame.
    void set_use_automatic_brightness(bool use);
    void set_use_blink_detection(bool use) { m_use_blink_detection = use; }

signals:
    // A preview frame (330 × 220, BGR) with the faces and eyes framed.
    void refresh_image(cv::Mat image);
    // The first frame of a capture arrived.
    void capture_started();
    // The brightness that suits the room, one step nearer each second.
    void brightness_changed(int brightness);

public slots:
    // One step of the room-light brightness; the result is `force`.
    bool update(bool force);
    void update();

protected:
    void run() override;

private:
    void begin_capture();
    void capture(ICameraSource& source);
    void process_frame(cv::Mat& frame, FaceDetector& detector);
    void send_preview(const cv::Mat& frame);
    void capture_ended();

    QStringList m_cascade_folders;
    CameraHooks m_hooks;
    ICameras* m_cameras = nullptr;
    QTimer* m_update_timer;
    bool m_restart = false;

    std::atomic<bool> m_running{false};
    std::atomic<bool> m_preview_on{true};
    std::atomic<bool> m_preview_pending{false};
    std::atomic<bool> m_use_automatic_brightness{false};
    std::atomic<bool> m_use_blink_detection{false};
    std::atomic<Status> m_status{Status::Ok};
    std::atomic<float> m_target_brightness{-1.0f};
    bool m_first_frame_pending = true;
    BlinkCounter m_blinks;
    float m_current_brightness = -1.0f; // GUI thread
};
