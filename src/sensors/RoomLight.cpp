#include "sensors/RoomLight.h"

#include <opencv2/core.hpp>

namespace RoomLight {

int mean_luminance(const cv::Mat& frame)
{
    if (frame.empty() || frame.type() != CV_8UC3)
        return 0;
    // In thousandths, so that each pixel's value truncates exactly.
    long long sum = 0;
    for (int row = 0; row < frame.rows; ++row) {
        const unsigned char* pixel = frame.ptr<unsigned char>(row);
        for (int column = 0; column < frame.cols; ++column, pixel += 3)
            sum += (114 * pixel[0] + 587 * pixel[1] + 299 * pixel[2]) / 1000;
    }
    return static_cast<int>(sum / (static_cast<long long>(frame.rows) * frame.cols));
}

int level(int mean_luminance)
{
    return mean_luminance * 100 / 256;
}

int target_brightness(int level)
{
    if (level > 40)
        return 100;
    if (level > 30)
        return 90;
    if (level > 20)
        return 80;
    if (level > 10)
        return 60;
    return 50;
}

} // namespace RoomLight
