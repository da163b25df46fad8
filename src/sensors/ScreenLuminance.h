#pragma once

class QImage;

// What the screen content tells the screen-content sensors.
namespace ScreenLuminance {

// Mean luminance (0 … 255) of a picture of the screen: each pixel's 0.587 G + 0.299 R +
// 0.114 B, truncated, summed and divided by the number of pixels. 0 for a null picture.
double mean_luminance(const QImage& image);

} // namespace ScreenLuminance
