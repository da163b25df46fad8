#pragma once

#include "sensors/BlinkCounter.h"

#include <QStringList>
#include <QtPlugin>

#include <atomic>
#include <functional>
#include <memory>

class ICameraSource;
class ICameras;
class QImage;
class QObject;

// What a camera capture found so far.
enum class CameraStatus
{
    Ok,
    NoCamera,
    DetectorsMissing,
    PartMissing, // the sensor part cannot be loaded: no camera features
};

// What the GUI thread and the camera thread share: single-word flags and counters only.
struct CaptureState
{
    // The capture goes on while this holds; cleared by either side to end it.
    std::atomic<bool> running{false};
    std::atomic<bool> first_frame_pending{true};
    // Frames are sent for the preview; one at a time (pending until the GUI thread took it).
    std::atomic<bool> preview_on{true};
    std::atomic<bool> preview_pending{false};
    std::atomic<bool> use_automatic_brightness{false};
    std::atomic<bool> use_blink_detection{false};
    std::atomic<CameraStatus> status{CameraStatus::Ok};
    // The brightness that suits the room (percent); −1 until the room light was measured.
    std::atomic<float> target_brightness{-1.0f};
    BlinkCounter blinks;
};

// What a capture reports, on its own thread.
class ICaptureEvents
{
public:
    virtual ~ICaptureEvents() = default;

    // The first frame of a capture arrived.
    virtual void capture_started() = 0;
    // A preview frame (330 × 220, RGB) with the faces and eyes framed.
    virtual void preview(const QImage& frame) = 0;
    // A line for Kavo's log.
    virtual void log(const QString& line) = 0;
};

// The camera thread: it opens device 0, reads frames, counts blinks and measures the room
// light, until the state says to stop.
class ICameraCapture
{
public:
    // Ends the capture and waits for the thread.
    virtual ~ICameraCapture() = default;

    // Starts the thread on device 0 of `cameras` (opened on the thread).
    virtual void start(ICameras& cameras) = 0;
    virtual bool is_running() const = 0;
    // Waits until the thread has ended.
    virtual void wait() = 0;
};

// The sensor part: OpenCV's capture, image processing and object detection, loaded when the
// camera is first switched on.
class ISensorPart
{
public:
    virtual ~ISensorPart() = default;

    // A capture that shares `state`, reports to `events`, finds faces and eyes with the two
    // cascade files (a path that is empty or unreadable: no detection), and calls `finished`
    // in the thread of `context` after each capture has ended.
    struct Capture
    {
        QString face_cascade;
        QString eyes_cascade;
        QObject* context = nullptr;
        std::function<void()> finished;
    };
    virtual std::unique_ptr<ICameraCapture>
    create_capture(CaptureState& state, ICaptureEvents& events, const Capture& capture) = 0;

    // Video device `index` through V4L2, asked for frames of the given size; null when it
    // cannot be opened.
    virtual std::unique_ptr<ICameraSource> open_device(int index, int width, int height) = 0;

    // A simulated camera: a video file (`video` not empty) or still pictures played in a loop
    // at `fps`, delivering no more after `fail_after` frames (negative: never), calling
    // `on_release` when it is released. Null when nothing can be read; the pictures that
    // cannot be read are added to `unreadable`.
    struct SimulatedCamera
    {
        QString video;
        QStringList frames;
        int fps = 30;
        int fail_after = -1;
        std::function<void()> on_release;
    };
    virtual std::unique_ptr<ICameraSource> open_simulated(const SimulatedCamera& camera,
                                                          QStringList* unreadable) = 0;
};

#define ISensorPart_iid "org.kavo.ISensorPart/1"
Q_DECLARE_INTERFACE(ISensorPart, ISensorPart_iid)
