#include "platform/sim/SimCameraSources.h"

#include <algorithm>
#include <thread>

FramePacing::FramePacing(int fps)
    : m_interval(std::chrono::duration_cast<std::chrono::steady_clock::duration>(
          std::chrono::duration<double>(1.0 / std::max(1, fps)))),
      m_next(std::chrono::steady_clock::now())
{
}

void FramePacing::wait()
{
    const auto now = std::chrono::steady_clock::now();
    if (m_next < now - m_interval)
        m_next = now;
    std::this_thread::sleep_until(m_next);
    m_next += m_interval;
}

FrameSequenceSource::FrameSequenceSource(std::vector<cv::Mat> frames, SimCameraBehaviour behaviour)
    : m_frames(std::move(frames)), m_behaviour(std::move(behaviour)), m_pacing(m_behaviour.fps)
{
}

FrameSequenceSource::~FrameSequenceSource()
{
    if (m_behaviour.on_release)
        m_behaviour.on_release();
}

bool FrameSequenceSource::grab()
{
    // A camera that stopped delivering keeps the reader waiting, as a stalled device does.
    m_pacing.wait();
    if (m_frames.empty() || (m_behaviour.fail_after >= 0 && m_delivered >= m_behaviour.fail_after))
        return false;
    m_index = m_delivered == 0 ? 0 : (m_index + 1) % m_frames.size();
    ++m_delivered;
    return true;
}

bool FrameSequenceSource::retrieve(cv::Mat& frame)
{
    if (m_delivered == 0)
        return false;
    // A copy: the reader draws into its frame.
    m_frames[m_index].copyTo(frame);
    return true;
}

LoopingVideoSource::LoopingVideoSource(std::unique_ptr<VideoCaptureSource> video,
                                       SimCameraBehaviour behaviour)
    : m_video(std::move(video)), m_behaviour(std::move(behaviour)), m_pacing(m_behaviour.fps)
{
}

LoopingVideoSource::~LoopingVideoSource()
{
    m_video.reset();
    if (m_behaviour.on_release)
        m_behaviour.on_release();
}

bool LoopingVideoSource::grab()
{
    m_pacing.wait();
    if (m_behaviour.fail_after >= 0 && m_delivered >= m_behaviour.fail_after)
        return false;
    if (!m_video->grab() && !(m_video->rewind() && m_video->grab()))
        return false;
    ++m_delivered;
    return true;
}

bool LoopingVideoSource::retrieve(cv::Mat& frame)
{
    return m_video->retrieve(frame);
}
