#pragma once

#include <memory>

namespace cv {
class Mat;
}

// One opened camera. It is used by the camera thread alone, from opening to release.
class ICameraSource
{
public:
    // Releases the device.
    virtual ~ICameraSource() = default;

    // Waits for the camera's next frame and takes it, without decoding it; false when the
    // device delivered none (gone, stalled or failing), within about a second.
    virtual bool grab() = 0;

    // Decodes the frame last grabbed into `frame` (8-bit, BGR or grey); false when it cannot.
    virtual bool retrieve(cv::Mat& frame) = 0;
};

// The video devices of the desktop, numbered from 0 (the first is what Kavo uses).
class ICameras
{
public:
    virtual ~ICameras() = default;

    // Opens device `device` for capture; null when there is no such device or it cannot be
    // opened (busy, no permission). May take a moment: called on the camera thread.
    virtual std::unique_ptr<ICameraSource> open(int device) = 0;
};
