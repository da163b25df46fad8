#pragma once

#include "platform/ICameras.h"

// The cameras of a Linux desktop: Video4Linux devices (/dev/video0 is device 0), read through
// OpenCV at 640 × 480 where the camera offers it.
class V4l2Cameras : public ICameras
{
public:
    V4l2Cameras();

    std::unique_ptr<ICameraSource> open(int device) override;
};
