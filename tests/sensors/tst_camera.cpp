// The camera thread on the simulated desktop's camera: capture and blink counting, start and
// stop, a camera that is missing or stops delivering, missing cascades, and the room light
// passed on in steps.
#include "FaceFrames.h"
#include "SimCameraDesktop.h"
#include "platform/linux/V4l2Cameras.h"
#include "sensors/Camera.h"

#include <QSignalSpy>
#include <QtTest>

#include <opencv2/videoio.hpp>

namespace {
constexpr int kLong = 20000; // generous: the machine is shared

// What the camera thread sends, received on the test's thread (a signal spy would record it
// on the camera thread while the test reads it).
class CameraWatch : public QObject
{
public:
    explicit CameraWatch(Camera& camera)
    {
        connect(&camera, &Camera::capture_started, this, [this] { ++started; });
        connect(&camera, &Camera::refresh_image, this, [this](const cv::Mat& image) {
            ++previews;
            last_preview = image;
        });
    }

    int started = 0;
    int previews = 0;
    cv::Mat last_preview;
};

std::vector<cv::Mat> blinking_frames()
{
    return {FaceFrames::open_eyes(),   FaceFrames::open_eyes(),   FaceFrames::closed_eyes(),
            FaceFrames::closed_eyes(), FaceFrames::closed_eyes(), FaceFrames::open_eyes(),
            FaceFrames::open_eyes(),   FaceFrames::open_eyes()};
}
} // namespace

class TestCamera : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimCameraDesktop> m_sim;
    std::unique_ptr<Camera> m_camera;
    bool m_page_loaded = false;

    Camera& camera() { return *m_camera; }
    ICameras& cameras() { return Platform::current().cameras(); }

    void start()
    {
        camera().start_capture(cameras());
        QVERIFY(camera().is_capturing());
    }

    // Steps the room-light brightness `count` times, without letting the camera's own timer in.
    QList<int> steps(int count)
    {
        QSignalSpy changed(&camera(), &Camera::brightness_changed);
        m_page_loaded = true;
        for (int step = 0; step < count; ++step)
            camera().update(false);
        m_page_loaded = false;
        QList<int> values;
        for (const QList<QVariant>& arguments : changed)
            values.append(arguments.at(0).toInt());
        return values;
    }

private slots:
    void initTestCase()
    {
        QString problem;
        QVERIFY2(FaceFrames::available(&problem), qPrintable(problem));
    }

    void init()
    {
        m_sim = std::make_unique<SimCameraDesktop>();
        m_camera = std::make_unique<Camera>();
        m_page_loaded = false;
        CameraHooks hooks;
        hooks.page_loaded = [this] { return m_page_loaded; };
        hooks.start_brightness = [] { return 70; };
        camera().set_hooks(hooks);
    }

    void cleanup()
    {
        m_camera.reset();
        m_sim.reset();
    }

    void blinksAreCountedAndTheFramesPreviewed()
    {
        m_sim->set_camera_frames(blinking_frames());
        camera().set_use_blink_detection(true);
        CameraWatch watch(camera());
        start();
        QTRY_COMPARE_WITH_TIMEOUT(watch.started, 1, kLong);
        QTRY_VERIFY_WITH_TIMEOUT(camera().blink_count() >= 1, kLong);
        QCOMPARE(camera().status_text(), QString());
        QTRY_VERIFY_WITH_TIMEOUT(watch.previews > 0, kLong);
        const cv::Mat preview = watch.last_preview;
        QCOMPARE(preview.cols, 330);
        QCOMPARE(preview.rows, 220);
        QCOMPARE(preview.type(), CV_8UC3);
        camera().reset_blinks();
        QVERIFY(camera().blink_count() <= 1);
    }

    void withoutBlinkDetectionNoBlinkIsCounted()
    {
        m_sim->set_camera_frames(blinking_frames());
        CameraWatch watch(camera());
        start();
        // Long enough for several blinks to pass the camera.
        QTRY_VERIFY_WITH_TIMEOUT(watch.previews >= 10, kLong);
        QCOMPARE(camera().blink_count(), 0);
    }

    void theCaptureStopsAndStartsAgain()
    {
        m_sim->set_camera_frames({FaceFrames::open_eyes()});
        start();
        QTRY_VERIFY_WITH_TIMEOUT(m_sim->camera_state().value("open").toBool(), kLong);
        camera().stop_capture();
        QTRY_VERIFY_WITH_TIMEOUT(camera().isFinished(), kLong);
        QVERIFY(!camera().is_capturing());
        QVERIFY(!m_sim->camera_state().value("open").toBool());

        start();
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->camera_state().value("opened").toInt(), 2, kLong);
        QVERIFY(camera().is_capturing());
        // Asked to start again while still ending: it starts once it has ended.
        camera().stop_capture();
        camera().start_capture(cameras());
        QTRY_COMPARE_WITH_TIMEOUT(m_sim->camera_state().value("opened").toInt(), 3, kLong);
        QTRY_VERIFY_WITH_TIMEOUT(camera().isRunning() && camera().is_capturing(), kLong);
    }

    void endingTheCameraDuringCaptureWaitsForItsThread()
    {
        m_sim->set_camera_frames({FaceFrames::open_eyes()});
        camera().set_use_blink_detection(true);
        CameraWatch watch(camera());
        start();
        QTRY_COMPARE_WITH_TIMEOUT(watch.started, 1, kLong);
        m_camera.reset();
        QVERIFY(!m_sim->camera_state().value("open").toBool());
    }

    void aMissingCameraIsReported_data()
    {
        QTest::addColumn<QJsonValue>("described");
        QTest::newRow("no camera") << QJsonValue();
        QTest::newRow("busy") << QJsonValue(QJsonObject{{"busy", true}, {"frames", "x.png"}});
        QTest::newRow("unreadable frames")
            << QJsonValue(QJsonObject{{"frames", QJsonArray{"missing.png"}}});
        QTest::newRow("unreadable video") << QJsonValue(QJsonObject{{"video", "missing.avi"}});
    }

    void aMissingCameraIsReported()
    {
        QFETCH(QJsonValue, described);
        m_sim->set_camera(described);
        start();
        QTRY_VERIFY_WITH_TIMEOUT(camera().isFinished(), kLong);
        QVERIFY(!camera().is_capturing());
        QCOMPARE(camera().status_text(), QStringLiteral("No camera found"));
    }

    void aCameraThatStopsDeliveringEndsTheCapture()
    {
        m_sim->set_camera_frames({FaceFrames::open_eyes()}, 60, {{"fail_after", 5}});
        start();
        QTRY_VERIFY_WITH_TIMEOUT(camera().isFinished(), kLong);
        QVERIFY(!camera().is_capturing());
        QCOMPARE(camera().status_text(), QStringLiteral("No camera found"));
        QVERIFY(!m_sim->camera_state().value("open").toBool());
    }

    void aCameraThatCameBackClearsTheStatus()
    {
        start();
        QTRY_VERIFY_WITH_TIMEOUT(camera().isFinished(), kLong);
        QCOMPARE(camera().status_text(), QStringLiteral("No camera found"));
        m_sim->set_camera_frames({FaceFrames::open_eyes()});
        start();
        QCOMPARE(camera().status_text(), QString());
        QTRY_VERIFY_WITH_TIMEOUT(m_sim->camera_state().value("open").toBool(), kLong);
    }

    void noLinuxCameraAtAnIndexIsNoCamera()
    {
        V4l2Cameras linux_cameras;
        QVERIFY(!linux_cameras.open(63));
    }

    void missingCascadesAreReportedAndTheCaptureGoesOn()
    {
        QTemporaryDir empty;
        Camera camera_without_cascades(QStringList{empty.path()});
        m_sim->set_camera_frames(blinking_frames());
        camera_without_cascades.set_use_blink_detection(true);
        CameraWatch watch(camera_without_cascades);
        camera_without_cascades.start_capture(cameras());
        QTRY_VERIFY_WITH_TIMEOUT(watch.previews >= 10, kLong);
        QVERIFY(camera_without_cascades.is_capturing());
        QCOMPARE(camera_without_cascades.status_text(),
                 QStringLiteral("Object detectors not found"));
        QCOMPARE(camera_without_cascades.blink_count(), 0);
    }

    void theRoomLightIsPassedOnInSteps()
    {
        camera().set_use_automatic_brightness(true);
        m_sim->set_camera_frames({FaceFrames::uniform(110)});
        start();
        QTRY_COMPARE_WITH_TIMEOUT(camera().target_brightness(), 100.0f, kLong);
        // From NightBrightness (70 here) half a unit per step, resting within one of 100.
        const QList<int> up = steps(70);
        QCOMPARE(up.mid(0, 5), (QList<int>{70, 71, 71, 72, 72}));
        QCOMPARE(up.last(), 99);
        QCOMPARE(up.count(99), 70 - 57);

        camera().stop_and_wait();
        m_sim->set_camera_frames({FaceFrames::uniform(25)});
        start();
        QTRY_COMPARE_WITH_TIMEOUT(camera().target_brightness(), 50.0f, kLong);
        const QList<int> down = steps(100);
        QCOMPARE(down.mid(0, 3), (QList<int>{98, 98, 97}));
        QCOMPARE(down.last(), 51);
    }

    void nothingIsPassedOnWithoutTheRoomLight()
    {
        m_sim->set_camera_frames({FaceFrames::uniform(110)});
        camera().set_use_automatic_brightness(true);
        start();
        QTRY_COMPARE_WITH_TIMEOUT(camera().target_brightness(), 100.0f, kLong);
        // Not before the page has loaded,
        QVERIFY(!camera().update(true));
        m_page_loaded = true;
        QVERIFY(camera().update(true));
        // and nothing once automatic brightness is off: the brightness stays the user's.
        camera().set_use_automatic_brightness(false);
        QCOMPARE(camera().target_brightness(), -1.0f);
        QSignalSpy changed(&camera(), &Camera::brightness_changed);
        QVERIFY(!camera().update(true));
        QVERIFY(changed.isEmpty());
    }

    void aVideoFilePlaysInALoop()
    {
        const QString video = m_sim->path(QStringLiteral("room.avi"));
        cv::VideoWriter writer(video.toStdString(), cv::VideoWriter::fourcc('M', 'J', 'P', 'G'), 30,
                               cv::Size(640, 480));
        QVERIFY(writer.isOpened());
        for (int frame = 0; frame < 3; ++frame)
            writer.write(FaceFrames::uniform(25));
        writer.release();
        m_sim->set_camera(QJsonObject{{"video", "room.avi"}, {"fps", 60}});
        camera().set_use_automatic_brightness(true);
        CameraWatch watch(camera());
        start();
        QTRY_COMPARE_WITH_TIMEOUT(camera().target_brightness(), 50.0f, kLong);
        // More frames than the file holds: it starts over.
        QTRY_VERIFY_WITH_TIMEOUT(watch.previews > 6, kLong);
        QVERIFY(camera().is_capturing());
    }
};

QTEST_MAIN(TestCamera)
#include "tst_camera.moc"
