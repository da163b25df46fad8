// Writes the camera frames of the sensor tests as PNG files into a folder, for the camera
// benchmark: open.png, closed.png and none.png.
// Run: build/bench/sensors/make_face_frames <folder>
#include "FaceFrames.h"

#include <QDir>

#include <opencv2/imgcodecs.hpp>

#include <cstdio>

int main(int argc, char** argv)
{
    QString problem;
    if (argc != 2 || !FaceFrames::available(&problem)) {
        std::fprintf(stderr, "usage: make_face_frames <folder> %s\n", qPrintable(problem));
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const bool written =
        cv::imwrite(folder.filePath("open.png").toStdString(), FaceFrames::open_eyes()) &&
        cv::imwrite(folder.filePath("closed.png").toStdString(), FaceFrames::closed_eyes()) &&
        cv::imwrite(folder.filePath("none.png").toStdString(), FaceFrames::no_face());
    return written ? 0 : 1;
}
