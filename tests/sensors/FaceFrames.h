#pragma once

#include <QString>

#include <opencv2/core.hpp>

// Camera frames (640 × 480, BGR) for the sensor tests, made from a face picture that
// Debian's opencv-doc package ships: a robot whose face and eyes the cascades find. Closed
// eyes are the eyes painted over with their own mean colour and a dark lid line.
namespace FaceFrames {

// The picture the frames are made from.
QString source_path();

// False (with the reason in `problem`) when the picture cannot be read.
bool available(QString* problem);

cv::Mat open_eyes();
cv::Mat closed_eyes();
cv::Mat one_eye();
cv::Mat no_face();
cv::Mat two_faces_open();
cv::Mat two_faces_closed();
// A frame of one grey level.
cv::Mat uniform(int grey);

} // namespace FaceFrames
