// What the sensors cost: face and eye detection on one 640 × 480 camera frame (the camera
// processes frames only while that work stays within a fifth of a core), the room light of a
// frame, and one smart-brightness measurement of a 1920 × 1080 screen.
// Run: QT_QPA_PLATFORM=offscreen build/bench/sensors/bench_sensors
// With the X11 screen grab, under Xvfb:
//   xvfb-run -s "-screen 0 1920x1080x24" env QT_QPA_PLATFORM=xcb build/bench/sensors/bench_sensors
// The camera thread's CPU per minute comes from bench/sensors/camera_cpu.sh.
#include "FaceFrames.h"
#include "platform/sim/SimDesktop.h"
#include "platform/x11/X11ScreenCapture.h"
#include "sensors/CascadeFiles.h"
#include "sensors/FaceDetector.h"
#include "sensors/RoomLight.h"
#include "sensors/ScreenLuminance.h"
#include "sensors/SmartBrightness.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <opencv2/core/utility.hpp>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <benchmark/benchmark.h>

namespace {
// Face detection as the camera thread runs it: on one thread.
FaceDetector& detector()
{
    static FaceDetector loaded = [] {
        cv::setNumThreads(0);
        FaceDetector face_detector;
        const QStringList folders = CascadeFiles::default_folders();
        face_detector.load(CascadeFiles::find(CascadeFiles::kFace, folders),
                           CascadeFiles::find(CascadeFiles::kEyes, folders));
        return face_detector;
    }();
    return loaded;
}

// A busy picture without a face (fruit on a table, from opencv-doc) at the frame size.
cv::Mat busy_scene()
{
    cv::Mat scene = cv::imread("/usr/share/doc/opencv-doc/examples/data/fruits.jpg");
    if (!scene.empty())
        cv::resize(scene, scene, cv::Size(640, 480));
    return scene;
}

// range(0): 0 a face with open eyes, 1 closed eyes, 2 a plain wall, 3 a busy scene without a
// face (the whole frame searched in vain).
void detectFacesAndEyes(benchmark::State& state)
{
    QString problem;
    if (!FaceFrames::available(&problem) || !detector().is_loaded() || busy_scene().empty()) {
        state.SkipWithError("no pictures or no cascades (scripts/install-deps.sh)");
        return;
    }
    const cv::Mat frames[] = {FaceFrames::open_eyes(), FaceFrames::closed_eyes(),
                              FaceFrames::no_face(), busy_scene()};
    const cv::Mat& source = frames[state.range(0)];
    for (auto _ : state) {
        cv::Mat frame = source.clone();
        benchmark::DoNotOptimize(detector().detect(frame, true));
    }
}
BENCHMARK(detectFacesAndEyes)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void roomLightOfAFrame(benchmark::State& state)
{
    const cv::Mat frame = FaceFrames::uniform(110);
    for (auto _ : state)
        benchmark::DoNotOptimize(RoomLight::mean_luminance(frame));
}
BENCHMARK(roomLightOfAFrame)->Unit(benchmark::kMicrosecond);

QImage full_hd_screen()
{
    QImage screen(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            screen.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    return screen;
}

// The scan alone.
void screenLuminance(benchmark::State& state)
{
    const QImage screen = full_hd_screen();
    for (auto _ : state)
        benchmark::DoNotOptimize(ScreenLuminance::mean_luminance(screen));
}
BENCHMARK(screenLuminance)->Unit(benchmark::kMillisecond);

// One forced smart-brightness update on the simulated desktop: the screen picture read from
// its file, then scanned.
void smartBrightnessOnSimulatedScreen(benchmark::State& state)
{
    QTemporaryDir dir;
    full_hd_screen().save(dir.filePath("screen.png"));
    QFile config(dir.filePath("desktop.json"));
    config.open(QIODevice::WriteOnly);
    config.write(QJsonDocument(QJsonObject{{"screen_image", "screen.png"}}).toJson());
    config.close();
    SimDesktop desktop(dir.filePath("desktop.json"), QString());
    const SettingsMap settings;
    SmartBrightness sensor(settings, desktop.screenCapture());
    for (auto _ : state)
        benchmark::DoNotOptimize(sensor.update(true));
}
BENCHMARK(smartBrightnessOnSimulatedScreen)->Unit(benchmark::kMillisecond);

// One forced smart-brightness update on an X11 screen (run under Xvfb, see above).
void smartBrightnessOnX11Screen(benchmark::State& state)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        state.SkipWithError("needs QT_QPA_PLATFORM=xcb and an X server");
        return;
    }
    X11ScreenCapture capture;
    const SettingsMap settings;
    SmartBrightness sensor(settings, capture);
    for (auto _ : state)
        benchmark::DoNotOptimize(sensor.update(true));
}
BENCHMARK(smartBrightnessOnX11Screen)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
