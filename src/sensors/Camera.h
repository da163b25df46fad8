#pragma once

#include "Singleton.h"
#include "parts/ISensorPart.h"
#include "sensors/CascadeFiles.h"

#include <QImage>
#include <QObject>

#include <functional>
#include <memory>

class ICameras;
class QTimer;

// What the camera asks of the controller when it passes the room light on.
struct CameraHooks
{
    // The main page has loaded: brightness changes may reach it.
    std::function<bool()> page_loaded;
    // The brightness the steps start from (NightBrightness).
    std::function<int()> start_brightness;
};

// The camera sensor. A thread of its own, which the sensor part brings when the camera is
// first switched on, reads frames from the first video device, counts blinks by finding a
// face and its eyes, and measures the room light; once a second, on the GUI thread, the
// brightness that suits the room is passed on in small steps.
//
// The threads share single-word flags and counters only; frames reach the GUI thread as their
// own images through the queued refresh_image signal.
class Camera : public QObject, public Singleton<Camera>
{
    Q_OBJECT

public:
    using Status = CameraStatus;

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
    bool is_capturing() const { return m_state.running; }
    // Whether the camera thread runs (it goes on for a moment after the capture was asked to
    // end).
    bool is_thread_running() const;

    // "", "No camera found", "Object detectors not found" or, without the sensor part,
    // "Camera features are missing".
    QString status_text() const;
    Status status() const { return m_state.status; }

    int blink_count() const { return m_state.blinks.count(); }
    void reset_blinks() { m_state.blinks.reset(); }

    // The brightness that suits the room (percent); −1 until the room light was measured.
    float target_brightness() const { return m_state.target_brightness; }

    // Whether frames are sent to the blink window.
    bool is_preview_on() const { return m_state.preview_on; }
    void set_preview_on(bool on) { m_state.preview_on = on; }

    // What the capture does with each frame.
    void set_use_automatic_brightness(bool use);
    void set_use_blink_detection(bool use) { m_state.use_blink_detection = use; }

signals:
    // A preview frame (330 × 220, RGB) with the faces and eyes framed.
    void refresh_image(QImage image);
    // The first frame of a capture arrived.
    void capture_started();
    // The brightness that suits the room, one step nearer each second.
    void brightness_changed(int brightness);

public slots:
    // One step of the room-light brightness; the result is `force`.
    bool update(bool force);
    void update();

private:
    class Events;

    void begin_capture();
    void capture_ended();

    QStringList m_cascade_folders;
    CameraHooks m_hooks;
    ICameras* m_cameras = nullptr;
    QTimer* m_update_timer;
    bool m_restart = false;
    CaptureState m_state;
    std::unique_ptr<Events> m_events;
    std::unique_ptr<ICameraCapture> m_capture; // after m_events: it reports to them until it ends
    float m_current_brightness = -1.0f;        // GUI thread
};
