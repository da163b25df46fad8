// The sensors in the controller, on the simulated desktop: the screen-content sensors measured
// on a change of the window in front and in the update loop, their modifier in the brightness,
// and the camera switched on and off with its room light reaching the brightness settings.
#include "../app/AppFixture.h"
#include "FaceFrames.h"
#include "sensors/Camera.h"
#include "sensors/SensorControl.h"
#include "sensors/SmartBrightness.h"
#include "sensors/SmartInversion.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>

#include <opencv2/imgcodecs.hpp>

namespace {
constexpr int kLong = 20000;

// A screen whose pixels are `grey`, but a tenth of them `other`.
void write_screen(const QString& path, int grey, int other)
{
    QImage screen(100, 50, QImage::Format_RGB32);
    screen.fill(QColor(grey, grey, grey));
    for (int x = 0; x < 100; ++x)
        for (int y = 0; y < 5; ++y)
            screen.setPixel(x, y, qRgb(other, other, other));
    screen.save(path);
}
} // namespace

class TestSensorsApp : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Camera> m_camera;
    std::unique_ptr<AppFixture> m_fixture;

    App& app() { return m_fixture->app(); }
    QString screen_path() const { return m_dir.filePath(QStringLiteral("screen.png")); }
    int screen_grabs() { return m_fixture->desktop().state().value("screen_grabs").toInt(); }
    QVariant setting(const char* key) { return app().settings_map().value(QLatin1String(key)); }

    void start(const QVariantMap& settings, const QJsonObject& camera = {})
    {
        QJsonObject desktop{
            {"monitors",
             QJsonArray{QJsonObject{{"x", 0}, {"y", 0}, {"width", 1920}, {"height", 1080}}}},
            {"screen_image", screen_path()}};
        if (!camera.isEmpty())
            desktop.insert("camera", camera);
        m_fixture = std::make_unique<AppFixture>(QJsonDocument(desktop).toJson());
        m_fixture->start(settings);
    }

    QJsonObject camera_frames(const cv::Mat& frame)
    {
        const QString path = m_dir.filePath(QStringLiteral("frame.png"));
        cv::imwrite(path.toStdString(), frame);
        return {{"frames", QJsonArray{path}}, {"fps", 60}};
    }

private slots:
    void init()
    {
        m_camera = std::make_unique<Camera>();
        write_screen(screen_path(), 255, 255);
    }

    void cleanup()
    {
        m_fixture.reset();
        m_camera.reset();
    }

    void aNewWindowInFrontIsMeasured_data()
    {
        QTest::addColumn<int>("grey");
        QTest::addColumn<int>("other");
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<float>("brightnessTarget");
        QTest::newRow("white") << 255 << 255 << true << -9.9609375f;
        QTest::newRow("mean 200") << 200 << 200 << true << -7.8125f;
        QTest::newRow("mean 139, in tens 130") << 139 << 139 << true << -5.4296875f;
        QTest::newRow("mean 128.9, in tens 120") << 129 << 128 << false << -5.0f;
        QTest::newRow("black") << 0 << 0 << false << 0.0f;
    }

    void aNewWindowInFrontIsMeasured()
    {
        QFETCH(int, grey);
        QFETCH(int, other);
        QFETCH(bool, inverted);
        QFETCH(float, brightnessTarget);
        write_screen(screen_path(), grey, other);
        start({{"SmartBrightness", true}, {"SmartInversion", true}});
        QSignalSpy inversion_shown(&app(), &App::set_use_inverted_colors);
        const int grabs = screen_grabs();

        app().foreground_title_changed(QStringLiteral("Editor"));
        QCOMPARE(screen_grabs(), grabs + 2);
        QCOMPARE(setting("UseInvertedColors").toBool(), inverted);
        QCOMPARE(inversion_shown.count(), 1);
        QCOMPARE(inversion_shown.first().at(0).toBool(), inverted);
        QCOMPARE(app().sensors()->smart_brightness().target(), brightnessTarget);
    }

    void onlyARealChangeOfWindowIsMeasured()
    {
        start({{"SmartBrightness", true}, {"SmartInversion", true}});
        app().foreground_title_changed(QStringLiteral("Editor"));
        const int grabs = screen_grabs();
        app().foreground_title_changed(QStringLiteral("Editor"));
        app().foreground_title_changed(QStringLiteral("Task Switching"));
        app().foreground_title_changed(QString());
        QCOMPARE(screen_grabs(), grabs);
        // The update loop measures anyway.
        app().update_smart_brightness();
        QCOMPARE(screen_grabs(), grabs + 1);
    }

    void switchedOffSensorsDoNotMeasure()
    {
        start({});
        const int grabs = screen_grabs();
        app().foreground_title_changed(QStringLiteral("Editor"));
        app().update_smart_brightness();
        app().update_smart_inversion();
        QCOMPARE(screen_grabs(), grabs);
        QCOMPARE(setting("UseInvertedColors").toBool(), false);
        // Switched on, each sensor measures at once.
        app().use_smart_inversion_changed(true);
        QCOMPARE(screen_grabs(), grabs + 1);
        QCOMPARE(setting("UseInvertedColors").toBool(), true);
    }

    void aFailedGrabKeepsTheLastMeasurement()
    {
        start({{"SmartBrightness", true}});
        app().foreground_title_changed(QStringLiteral("Editor"));
        QFile::remove(screen_path());
        app().foreground_title_changed(QStringLiteral("Browser"));
        QCOMPARE(app().sensors()->smart_brightness().target(), -9.9609375f);
    }

    void theModifierLowersTheScheduledBrightnessStepByStep()
    {
        start({{"SmartBrightness", true}, {"KavoUpdateInterval", 1000000}});
        const auto modifier_in_brightness = [this] {
            const float with = app().get_interpolated_brightness(0);
            app().settings_map().insert("SmartBrightness", false);
            const float without = app().get_interpolated_brightness(0);
            app().settings_map().insert("SmartBrightness", true);
            return static_cast<int>(with - without);
        };
        // Each tick of the update loop takes half a step toward −9.96.
        QList<int> modifiers;
        for (int tick = 0; tick < 25; ++tick) {
            QMetaObject::invokeMethod(&app(), "update_kavo");
            modifiers.append(modifier_in_brightness());
        }
        QCOMPARE(modifiers.mid(0, 4), (QList<int>{0, 0, -1, -1}));
        QCOMPARE(modifiers.last(), -9);
        QCOMPARE(app().sensor_status().value("smart_brightness").toInt(), -9);
        // Off, the modifier stays out of the brightness and the status.
        app().use_smart_brightness_changed(false);
        QCOMPARE(app().sensor_status().value("smart_brightness").toInt(), 0);
    }

    void theCameraFollowsItsSwitch()
    {
        start({{"CameraActive", true}}, camera_frames(FaceFrames::uniform(110)));
        QVERIFY(m_camera->is_capturing());
        QJsonObject camera = app().sensor_status().value("camera").toObject();
        QCOMPARE(camera.value("active").toBool(), true);
        QCOMPARE(camera.value("status").toString(), QString());

        app().use_camera_changed(false);
        QTRY_VERIFY_WITH_TIMEOUT(!m_camera->is_thread_running(), kLong);
        QCOMPARE(m_fixture->stored("CameraActive").toBool(), false);
        camera = app().sensor_status().value("camera").toObject();
        QCOMPARE(camera.value("active").toBool(), false);
        QCOMPARE(camera.value("capturing").toBool(), false);

        app().use_camera_changed(true);
        QCOMPARE(m_fixture->stored("CameraActive").toBool(), true);
        QVERIFY(m_camera->is_capturing());
        // Kavo ending waits for the camera thread.
        m_fixture.reset();
        QVERIFY(!m_camera->is_thread_running());
    }

    void theRoomLightReachesTheBrightnessSettings()
    {
        start({{"CameraActive", true}, {"UseAutomaticBrightness", true}},
              camera_frames(FaceFrames::uniform(110)));
        QSignalSpy day_slider(&app(), &App::set_day_brightness_slider_value);
        app().create_ui();
        QTRY_VERIFY_WITH_TIMEOUT(app().is_page_loaded(), kLong);
        QTRY_COMPARE_WITH_TIMEOUT(
            app().sensor_status().value("camera").toObject().value("brightness_target").toInt(),
            100, kLong);
        // From NightBrightness (80) up, one step a second: all three brightness values move.
        QTRY_VERIFY_WITH_TIMEOUT(setting("NightBrightness").toInt() >= 81, kLong);
        QCOMPARE(setting("DayBrightness").toInt(), setting("NightBrightness").toInt());
        QCOMPARE(setting("SleepBrightness").toInt(), setting("DayBrightness").toInt());
        QVERIFY(!day_slider.isEmpty());
    }

    void blinksReachThePageAndAreCountedPerMinute()
    {
        start({{"CameraActive", true}, {"UseBlinkDetection", true}});
        app().create_ui();
        QTRY_VERIFY_WITH_TIMEOUT(app().is_page_loaded(), kLong);
        QSignalSpy shown(&app(), &App::set_blink_count);
        // The page gets the count only while the window is shown, and again only when it
        // changed.
        QMetaObject::invokeMethod(&app(), "update_ui");
        QCOMPARE(shown.count(), 0);
        app().show();
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 1, kLong);
        QCOMPARE(shown.first().at(0).toInt(), 0);
        QMetaObject::invokeMethod(&app(), "update_ui");
        QCOMPARE(shown.count(), 1);
    }
};

QTEST_MAIN(TestSensorsApp)
#include "tst_sensors_app.moc"
