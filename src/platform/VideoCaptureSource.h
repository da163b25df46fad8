#pragma once

#include "platform/ICameras.h"

#include <opencv2/videoio.hpp>

#include <string>

// A camera or video file read through OpenCV's video capture.
class VideoCaptureSource : public ICameraSource
{
public:
    // A video file; null when it cannot be opened.
    static std::unique_ptr<VideoCaptureSource> openFile(const std::string& path);

    // Video device `index` through the backend `api`, asked for frames of the given size;
    // null when it cannot be opened.
    static std::unique_ptr<VideoCaptureSource> openDevice(int index, int api, int width,
                                                          int height);

    bool grab() override;
    bool retrieve(cv::Mat& frame) override;

    // Goes back to the first frame (of a file); false when the capture cannot.
    bool rewind();

private:
    VideoCaptureSource() = default;

    cv::VideoCapture m_capture;
};
