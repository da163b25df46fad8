#include "sensors/FaceDetector.h"

#include <QFile>

#include <opencv2/imgproc.hpp>

#include <algorithm>

namespace {
constexpr double kScaleFactor = 1.1;
constexpr int kMinNeighbours = 2;
// Eyes are looked for down to 30 pixels.
constexpr int kSmallestSize = 30;
// Faces only down to a fifth of the frame height (and 30 pixels): a face at the screen fills
// far more of a webcam's picture, and searching down to 30 pixels would make every frame
// four times as costly.
constexpr int kFaceShareOfHeight = 5;
const cv::Scalar kFaceColour(255, 255, 255);
const cv::Scalar kEyeColour(0, 255, 0);

// The smallest face looked for in a frame of `rows` rows.
int minimum_face_size(int rows)
{
    return std::max(kSmallestSize, rows / kFaceShareOfHeight);
}

bool load_cascade(cv::CascadeClassifier& cascade, const QString& path)
{
    if (path.isEmpty())
        return false;
    try {
        return cascade.load(QFile::encodeName(path).toStdString());
    } catch (const cv::Exception&) {
        return false;
    }
}
} // namespace

bool FaceDetector::load(const QString& face_path, const QString& eyes_path)
{
    const bool face = load_cascade(m_face, face_path);
    const bool eyes = load_cascade(m_eyes, eyes_path);
    m_loaded = face && eyes;
    return m_loaded;
}

std::vector<cv::Rect> FaceDetector::faces_in(const cv::Mat& grey)
{
    const int smallest = minimum_face_size(grey.rows);
    std::vector<cv::Rect> faces;
    m_face.detectMultiScale(grey, faces, kScaleFactor, kMinNeighbours, cv::CASCADE_SCALE_IMAGE,
                            cv::Size(smallest, smallest));
    return faces;
}

std::vector<cv::Rect> FaceDetector::eyes_in(const cv::Mat& face)
{
    std::vector<cv::Rect> eyes;
    m_eyes.detectMultiScale(face, eyes, kScaleFactor, kMinNeighbours, cv::CASCADE_SCALE_IMAGE,
                            cv::Size(kSmallestSize, kSmallestSize));
    return eyes;
}

std::vector<int> FaceDetector::detect(cv::Mat& frame, bool draw)
{
    if (!m_loaded || frame.empty())
        return {};
    cv::Mat grey;
    cv::cvtColor(frame, grey, cv::COLOR_BGR2GRAY);
    cv::equalizeHist(grey, grey);

    std::vector<int> eyes_per_face;
    for (const cv::Rect& face : faces_in(grey)) {
        const std::vector<cv::Rect> eyes = eyes_in(grey(face));
        eyes_per_face.push_back(static_cast<int>(eyes.size()));
        if (!draw)
            continue;
        cv::rectangle(frame, face, kFaceColour, 1, cv::LINE_8);
        for (const cv::Rect& eye : eyes)
            cv::rectangle(frame, eye + face.tl(), kEyeColour, 1, cv::LINE_8);
    }
    return eyes_per_face;
}
