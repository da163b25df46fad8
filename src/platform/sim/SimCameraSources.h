#pragma once

#include "platform/ICameras.h"
#include "platform/VideoCaptureSource.h"

#include <opencv2/core.hpp>

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

// Keeps a simulated camera at its frame rate: each wait ends one frame interval after the
// previous one (or at once when the reader fell behind).
class FramePacing
{
public:
    explicit FramePacing(int fps);
    void wait();

private:
    std::chrono::steady_clock::duration m_interval;
    std::chrono::steady_clock::time_point m_next;
};

// What every simulated camera does besides delivering frames: keep its rate, stop delivering
// after a given number of frames (a negative number: never), and report its release.
struct SimCameraBehaviour
{
    int fps = 30;
    int fail_after = -1;
    std::function<void()> on_release;
};

// A simulated camera playing still images in a loop.
class FrameSequenceSource : public ICameraSource
{
public:
    FrameSequenceSource(std::vector<cv::Mat> frames, SimCameraBehaviour behaviour);
    ~FrameSequenceSource() override;

    bool grab() override;
    bool retrieve(cv::Mat& frame) override;

private:
    std::vector<cv::Mat> m_frames;
    SimCameraBehaviour m_behaviour;
    FramePacing m_pacing;
    size_t m_index = 0;
    int m_delivered = 0;
};

// A simulated camera playing a video file in a loop.
class LoopingVideoSource : public ICameraSource
{
public:
    LoopingVideoSource(std::unique_ptr<VideoCaptureSource> video, SimCameraBehaviour behaviour);
    ~LoopingVideoSource() override;

    bool grab() override;
    bool retrieve(cv::Mat& frame) override;

private:
    std::unique_ptr<VideoCaptureSource> m_video;
    SimCameraBehaviour m_behaviour;
    FramePacing m_pacing;
    int m_delivered = 0;
};
