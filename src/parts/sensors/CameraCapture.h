#pragma once

#include "parts/ISensorPart.h"

#include <QThread>

namespace cv {
class Mat;
}
class FaceDetector;

// The camera thread. It reads frames from device 0 within a share of one core, counts blinks
// by finding a face and its eyes, measures the room light, and sends preview frames.
class CameraCapture : public QThread, public ICameraCapture
{
    Q_OBJECT

public:
    CameraCapture(CaptureState& state, ICaptureEvents& events, ISensorPart::Capture capture);
    ~CameraCapture() override;

    void start(ICameras& cameras) override;
    bool is_running() const override { return isRunning(); }
    void wait() override { QThread::wait(); }

protected:
    void run() override;

private:
    void capture(ICameraSource& source);
    void process_frame(cv::Mat& frame, FaceDetector& detector);
    void send_preview(const cv::Mat& frame);
    void log(const char* line) { m_events.log(QString::fromLatin1(line)); }

    CaptureState& m_state;
    ICaptureEvents& m_events;
    ISensorPart::Capture m_capture;
    ICameras* m_cameras = nullptr;
};
