#include "platform/VideoCaptureSource.h"

#include <opencv2/core.hpp>

// OpenCV reports some failures by exception (a backend that loses its device, say); here they
// are failures like any other.

std::unique_ptr<VideoCaptureSource> VideoCaptureSource::openFile(const std::string& path)
{
    std::unique_ptr<VideoCaptureSource> source(new VideoCaptureSource);
    try {
        if (source->m_capture.open(path))
            return source;
    } catch (const cv::Exception&) {
    }
    return nullptr;
}

std::unique_ptr<VideoCaptureSource> VideoCaptureSource::openDevice(int index, int api, int width,
                                                                   int height)
{
    std::unique_ptr<VideoCaptureSource> source(new VideoCaptureSource);
    try {
        if (!source->m_capture.open(index, api))
            return nullptr;
        source->m_capture.set(cv::CAP_PROP_FRAME_WIDTH, width);
        source->m_capture.set(cv::CAP_PROP_FRAME_HEIGHT, height);
        return source;
    } catch (const cv::Exception&) {
        return nullptr;
    }
}

bool VideoCaptureSource::grab()
{
    try {
        return m_capture.grab();
    } catch (const cv::Exception&) {
        return false;
    }
}

bool VideoCaptureSource::retrieve(cv::Mat& frame)
{
    try {
        return m_capture.retrieve(frame) && !frame.empty();
    } catch (const cv::Exception&) {
        return false;
    }
}

bool VideoCaptureSource::rewind()
{
    try {
        return m_capture.set(cv::CAP_PROP_POS_FRAMES, 0);
    } catch (const cv::Exception&) {
        return false;
    }
}
