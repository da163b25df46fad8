#pragma once

#include <QString>

#include <opencv2/objdetect.hpp>

#include <vector>

// Finds faces in a camera frame, and the eyes in each face, with OpenCV's Haar cascades.
class FaceDetector
{
public:
    // Loads the face and the eyes cascade; false when either cannot be loaded (the detector
    // then finds nothing).
    bool load(const QString& face_path, const QString& eyes_path);
    bool is_loaded() const { return m_loaded; }

    // The faces in `frame` (8-bit BGR) and the number of eyes found in each, in the order the
    // faces were found. With `draw`, each face is framed in white and each eye in green.
    std::vector<int> detect(cv::Mat& frame, bool draw);

private:
    std::vector<cv::Rect> faces_in(const cv::Mat& grey);
    std::vector<cv::Rect> eyes_in(const cv::Mat& face);

    cv::CascadeClassifier m_face;
    cv::CascadeClassifier m_eyes;
    bool m_loaded = false;
};
