#include "FaceFrames.h"

#include <QFileInfo>

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

namespace {
const cv::Size kFrame(640, 480);
const cv::Scalar kWhite(255, 255, 255);
// Where the robot's eyes are in the source picture.
const cv::Rect kLeftEye(65, 107, 35, 35);
const cv::Rect kRightEye(105, 106, 42, 42);
// One face fills the frame's height; two stand side by side.
constexpr double kOneFaceScale = 1.4;
constexpr double kTwoFacesScale = 1.2;
constexpr int kSecondFaceX = 300;

cv::Mat source()
{
    static const cv::Mat picture = cv::imread(FaceFrames::source_path().toStdString());
    return picture;
}

cv::Rect scaled(const cv::Rect& area, double scale, cv::Point at)
{
    return cv::Rect(static_cast<int>(area.x * scale), static_cast<int>(area.y * scale),
                    static_cast<int>(area.width * scale), static_cast<int>(area.height * scale)) +
           at;
}

// The robot at `scale` with its top-left corner at `at`, over what the frame shows there.
void paste(cv::Mat& frame, double scale, cv::Point at)
{
    cv::Mat robot;
    cv::resize(source(), robot, cv::Size(), scale, scale, cv::INTER_AREA);
    const cv::Rect area = cv::Rect(at, robot.size()) & cv::Rect(cv::Point(0, 0), frame.size());
    cv::Mat target = frame(area);
    cv::min(target, robot(cv::Rect(cv::Point(0, 0), area.size())), target);
}

void close_eye(cv::Mat& frame, const cv::Rect& eye, double scale, cv::Point at)
{
    const cv::Rect area = scaled(eye, scale, at);
    cv::Mat region = frame(area);
    region.setTo(cv::mean(region));
    const int thickness = std::max(2, static_cast<int>(3 * scale));
    cv::line(region, cv::Point(0, area.height / 2), cv::Point(area.width, area.height / 2),
             cv::Scalar(20, 20, 20), thickness);
}

cv::Mat one_face(bool left_open, bool right_open)
{
    cv::Mat frame(kFrame, CV_8UC3, kWhite);
    paste(frame, kOneFaceScale, {0, 0});
    if (!left_open)
        close_eye(frame, kLeftEye, kOneFaceScale, {0, 0});
    if (!right_open)
        close_eye(frame, kRightEye, kOneFaceScale, {0, 0});
    return frame;
}

cv::Mat two_faces(bool open)
{
    cv::Mat frame(kFrame, CV_8UC3, kWhite);
    for (const cv::Point at : {cv::Point(0, 0), cv::Point(kSecondFaceX, 0)}) {
        paste(frame, kTwoFacesScale, at);
        if (!open) {
            close_eye(frame, kLeftEye, kTwoFacesScale, at);
            close_eye(frame, kRightEye, kTwoFacesScale, at);
        }
    }
    return frame;
}
} // namespace

namespace FaceFrames {

QString source_path()
{
    return QStringLiteral("/usr/share/doc/opencv-doc/examples/data/ml.png");
}

bool available(QString* problem)
{
    if (!source().empty())
        return true;
    *problem = source_path() + QStringLiteral(" cannot be read: scripts/install-deps.sh installs "
                                              "it with opencv-doc");
    return false;
}

cv::Mat open_eyes()
{
    return one_face(true, true);
}

cv::Mat closed_eyes()
{
    return one_face(false, false);
}

cv::Mat one_eye()
{
    return one_face(true, false);
}

cv::Mat no_face()
{
    return cv::Mat(kFrame, CV_8UC3, kWhite);
}

cv::Mat two_faces_open()
{
    return two_faces(true);
}

cv::Mat two_faces_closed()
{
    return two_faces(false);
}

cv::Mat uniform(int grey)
{
    return cv::Mat(kFrame, CV_8UC3, cv::Scalar(grey, grey, grey));
}

} // namespace FaceFrames
