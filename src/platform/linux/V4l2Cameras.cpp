#include "platform/linux/V4l2Cameras.h"

#include "platform/VideoCaptureSource.h"

#include <QByteArray>

V4l2Cameras::V4l2Cameras()
{
    // A device that stops delivering would otherwise hold a read for ten seconds, and with it
    // the end of the camera thread.
    if (!qEnvironmentVariableIsSet("OPENCV_VIDEOIO_V4L_SELECT_TIMEOUT"))
        qputenv("OPENCV_VIDEOIO_V4L_SELECT_TIMEOUT", QByteArrayLiteral("1"));
}

std::unique_ptr<ICameraSource> V4l2Cameras::open(int device)
{
    return VideoCaptureSource::openDevice(device, cv::CAP_V4L2, 640, 480);
}
