#pragma once

namespace cv {
class Mat;
}

// The light of the room as the camera sees it, and the screen brightness that suits it.
namespace RoomLight {

// Mean luminance (0 … 255) of an 8-bit BGR frame: each pixel's 0.587 G + 0.299 R + 0.114 B,
// truncated, summed and divided by the number of pixels (whole numbers). 0 for an empty frame.
int mean_luminance(const cv::Mat& frame);

// The room's light level, 0 … 99: mean × 100 ÷ 256.
int level(int mean_luminance);

// The screen brightness (percent) for a light level: 100 in a bright room down to 50 in the
// dark.
int target_brightness(int level);

} // namespace RoomLight
