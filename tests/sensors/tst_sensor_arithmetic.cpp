// What the sensors make of their measurements: the room light's brightness, the screen's
// mean luminance, the smart-brightness target and the inversion decision, and the steps by
// which a value follows its target.
#include "FaceFrames.h"
#include "sensors/RoomLight.h"
#include "sensors/ScreenLuminance.h"
#include "sensors/SmartBrightness.h"
#include "sensors/SmartInversion.h"
#include "sensors/SteppedValue.h"

#include <QImage>
#include <QtTest>

class TestSensorArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void theRoomLightGivesATargetBrightness_data()
    {
        QTest::addColumn<int>("grey");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("target");
        QTest::newRow("mean 110") << 110 << 42 << 100;
        QTest::newRow("mean 105, level just above 40") << 105 << 41 << 100;
        QTest::newRow("mean 104, level 40") << 104 << 40 << 90;
        QTest::newRow("mean 80") << 80 << 31 << 90;
        QTest::newRow("mean 60") << 60 << 23 << 80;
        QTest::newRow("mean 30") << 30 << 11 << 60;
        QTest::newRow("mean 25") << 25 << 9 << 50;
        QTest::newRow("black") << 0 << 0 << 50;
        QTest::newRow("white") << 255 << 99 << 100;
    }

    void theRoomLightGivesATargetBrightness()
    {
        QFETCH(int, grey);
        QFETCH(int, level);
        QFETCH(int, target);
        const int mean = RoomLight::mean_luminance(FaceFrames::uniform(grey));
        QCOMPARE(mean, grey);
        QCOMPARE(RoomLight::level(mean), level);
        QCOMPARE(RoomLight::target_brightness(RoomLight::level(mean)), target);
    }

    void theRoomLightWeighsTheColoursAndTruncatesEachPixel()
    {
        // Pure green: 0.587 × 255 = 149.685, truncated per pixel.
        QCOMPARE(RoomLight::mean_luminance(cv::Mat(4, 4, CV_8UC3, cv::Scalar(0, 255, 0))), 149);
        // Half the frame black, half white: (0 + 255) / 2, in whole numbers.
        cv::Mat halves(4, 4, CV_8UC3, cv::Scalar(0, 0, 0));
        halves.rowRange(0, 2).setTo(cv::Scalar(255, 255, 255));
        QCOMPARE(RoomLight::mean_luminance(halves), 127);
        QCOMPARE(RoomLight::mean_luminance(cv::Mat()), 0);
    }

    void theScreenGivesItsMeanLuminance_data()
    {
        QTest::addColumn<QImage>("screen");
        QTest::addColumn<double>("mean");
        QImage white(64, 36, QImage::Format_RGB32);
        white.fill(Qt::white);
        QImage mixed(10, 10, QImage::Format_RGB32);
        mixed.fill(QColor(129, 129, 129));
        for (int x = 0; x < 10; ++x)
            mixed.setPixel(x, 0, qRgb(120, 120, 120));
        QImage blue(8, 8, QImage::Format_RGB888);
        blue.fill(QColor(0, 0, 255));
        QTest::newRow("white") << white << 255.0;
        QTest::newRow("a tenth darker") << mixed << 128.1;
        QTest::newRow("blue, another format") << blue << 29.0;
        QTest::newRow("no picture") << QImage() << 0.0;
    }

    void theScreenGivesItsMeanLuminance()
    {
        QFETCH(QImage, screen);
        QFETCH(double, mean);
        QCOMPARE(ScreenLuminance::mean_luminance(screen), mean);
    }

    void smartBrightnessDimsBrightContent_data()
    {
        QTest::addColumn<double>("mean");
        QTest::addColumn<bool>("invertedRamps");
        QTest::addColumn<float>("target");
        QTest::newRow("white") << 255.0 << false << -9.9609375f;
        QTest::newRow("black") << 0.0 << false << 0.0f;
        QTest::newRow("mid grey") << 128.9 << false << -5.0f;
        QTest::newRow("white shown black by inverted ramps") << 255.0 << true << -0.0390625f;
        QTest::newRow("black shown white by inverted ramps") << 0.0 << true << -10.0f;
    }

    void smartBrightnessDimsBrightContent()
    {
        QFETCH(double, mean);
        QFETCH(bool, invertedRamps);
        QFETCH(float, target);
        QCOMPARE(SmartBrightness::target_for(mean, invertedRamps), target);
    }

    void smartInversionTakesWholeTens_data()
    {
        QTest::addColumn<double>("mean");
        QTest::addColumn<int>("value");
        QTest::newRow("200") << 200.0 << 200;
        QTest::newRow("128.9") << 128.9 << 120;
        QTest::newRow("139.99") << 139.99 << 130;
        QTest::newRow("9") << 9.0 << 0;
    }

    void smartInversionTakesWholeTens()
    {
        QFETCH(double, mean);
        QFETCH(int, value);
        QCOMPARE(SmartInversion::value_for(mean), value);
    }

    void aValueFollowsItsTargetByHalfUnits()
    {
        // From 70 toward 100: 70.5, 71, … and rests at 99, within one unit.
        float value = 70.0f;
        QList<int> reported;
        for (int step = 0; step < 80; ++step) {
            value = step_toward(value, 100.0f);
            reported.append(static_cast<int>(value));
        }
        QCOMPARE(reported.mid(0, 5), (QList<int>{70, 71, 71, 72, 72}));
        QCOMPARE(value, 99.0f);
        // Down toward −9.96 from 0: rests at −9, truncated toward zero.
        value = 0.0f;
        for (int step = 0; step < 40; ++step)
            value = step_toward(value, -9.9609375f);
        QCOMPARE(static_cast<int>(value), -9);
    }
};

QTEST_GUILESS_MAIN(TestSensorArithmetic)
#include "tst_sensor_arithmetic.moc"
