// A real kavo with the simulated desktop's camera and screen: kavoctl status reports the
// camera, its blinks and room light, and the smart-brightness modifier; a quit by signal
// during capture ends the camera thread and Kavo cleanly.
#include "../e2e/KavoProcess.h"
#include "FaceFrames.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <opencv2/imgcodecs.hpp>

namespace {
constexpr int kLong = 30000;

QJsonObject status(const KavoDesktop& desktop)
{
    auto process = desktop.kavoctl({"status"});
    if (process->exitCode() != 0)
        return {};
    return QJsonDocument::fromJson(process->readAllStandardOutput()).object();
}

QJsonObject camera_status(const KavoDesktop& desktop)
{
    return status(desktop).value("camera").toObject();
}
} // namespace

class TestSensorsEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QString problem;
        QVERIFY2(FaceFrames::available(&problem), qPrintable(problem));
    }

    void theSensorsShowInTheStatusAndEndWithKavo()
    {
        // The desktop's files first: the config names them.
        QTemporaryDir files;
        QJsonArray frames;
        const std::vector<cv::Mat> blinking{FaceFrames::open_eyes(), FaceFrames::closed_eyes(),
                                            FaceFrames::closed_eyes(), FaceFrames::open_eyes()};
        for (size_t index = 0; index < blinking.size(); ++index) {
            const QString path = files.filePath(QStringLiteral("frame%1.png").arg(index));
            cv::imwrite(path.toStdString(), blinking[index]);
            frames.append(path);
        }
        QImage white(320, 180, QImage::Format_RGB32);
        white.fill(Qt::white);
        white.save(files.filePath(QStringLiteral("screen.png")));
        const QJsonObject config{
            {"monitors",
             QJsonArray{QJsonObject{{"x", 0}, {"y", 0}, {"width", 1920}, {"height", 1080}}}},
            {"camera", QJsonObject{{"frames", frames}, {"fps", 30}}},
            {"screen_image", files.filePath(QStringLiteral("screen.png"))}};
        KavoDesktop desktop(QJsonDocument(config).toJson());
        desktop.writeSettings({{"CameraActive", true},
                               {"UseBlinkDetection", true},
                               {"UseAutomaticBrightness", true},
                               {"SmartBrightness", true},
                               {"KavoUpdateInterval", 200}});
        auto kavo = desktop.launch();
        QVERIFY(kavo->waitForStarted());

        QTRY_VERIFY_WITH_TIMEOUT(camera_status(desktop).value("capturing").toBool(), kLong);
        QJsonObject camera = camera_status(desktop);
        QCOMPARE(camera.value("active").toBool(), true);
        QCOMPARE(camera.value("status").toString(), QString());
        // The picture is mostly white: a bright room.
        QTRY_COMPARE_WITH_TIMEOUT(camera_status(desktop).value("brightness_target").toInt(), 100,
                                  kLong);
        QTRY_VERIFY_WITH_TIMEOUT(camera_status(desktop).value("blinks").toInt() >= 1, kLong);
        // A white screen: the modifier goes down to −9 half a step per tick.
        QTRY_COMPARE_WITH_TIMEOUT(status(desktop).value("smart_brightness").toInt(), -9, kLong);

        kavo->terminate();
        QVERIFY(kavo->waitForFinished(kLong));
        QCOMPARE(kavo->exitStatus(), QProcess::NormalExit);
        QCOMPARE(kavo->exitCode(), 0);
        QFile state(desktop.path("state.json"));
        QVERIFY(state.open(QIODevice::ReadOnly));
        const QJsonObject camera_state =
            QJsonDocument::fromJson(state.readAll()).object().value("camera").toObject();
        QCOMPARE(camera_state.value("opened").toInt(), 1);
    }

    void aMissingCameraIsReportedAndKavoRunsOn()
    {
        KavoDesktop desktop;
        desktop.writeSettings({{"CameraActive", true}});
        auto kavo = desktop.launch();
        QVERIFY(kavo->waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(camera_status(desktop).value("status").toString(),
                                  QStringLiteral("No camera found"), kLong);
        // The capture thread states the missing camera just before it ends.
        QTRY_COMPARE_WITH_TIMEOUT(camera_status(desktop).value("capturing").toBool(), false, kLong);
        QCOMPARE(kavo->state(), QProcess::Running);
        kavo->terminate();
        QVERIFY(kavo->waitForFinished(kLong));
        QCOMPARE(kavo->exitCode(), 0);
        QVERIFY(kavo->readAllStandardOutput().contains("No camera found."));
    }
};

QTEST_GUILESS_MAIN(TestSensorsEndToEnd)
#include "tst_sensors_e2e.moc"
