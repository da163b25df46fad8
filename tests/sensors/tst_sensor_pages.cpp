// The sensors' pages in the real web engine: the blink window with its page and camera
// picture, the artificial-intelligence settings page and the simple view's blink count.
#include "../app/AppFixture.h"
#include "FaceFrames.h"
#include "parts/IWebView.h"
#include "screens/BlinkScreen.h"
#include "sensors/Camera.h"
#include "sensors/SensorControl.h"

#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QWebFrame>
#include <QWebPage>
#include <QWebView>
#include <QtTest>

#include <opencv2/imgcodecs.hpp>

namespace {
constexpr int kLong = 20000;
} // namespace

class TestSensorPages : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Camera> m_camera;
    std::unique_ptr<AppFixture> m_fixture;

    App& app() { return m_fixture->app(); }
    BlinkScreen* blink_screen() { return app().sensors()->blink_screen(); }
    QWebPage* blink_page()
    {
        return qobject_cast<QWebView*>(blink_screen()->view()->widget())->page();
    }
    QVariant setting(const char* key) { return app().settings_map().value(QLatin1String(key)); }

    // Starts Kavo; `with_camera` gives the simulated desktop a camera filming a face.
    void start(const QVariantMap& settings, bool with_camera = false)
    {
        QJsonObject desktop;
        if (with_camera) {
            const QString frame = m_dir.filePath(QStringLiteral("face.png"));
            cv::imwrite(frame.toStdString(), FaceFrames::open_eyes());
            desktop.insert("camera", QJsonObject{{"frames", QJsonArray{frame}}, {"fps", 30}});
        }
        m_fixture = std::make_unique<AppFixture>(QJsonDocument(desktop).toJson());
        QVariantMap all{{"UiScale", 1}};
        all.insert(settings);
        m_fixture->start(all);
    }

    void open_window()
    {
        app().create_ui();
        app().set_show_ui_requested(true);
        QTRY_VERIFY_WITH_TIMEOUT(app().isVisible(), kLong);
        QTRY_VERIFY_WITH_TIMEOUT(
            main_js("document.querySelectorAll('#menu-items .menu-item').length > 0").toBool(),
            kLong);
    }

    QVariant main_js(const QString& script)
    {
        return app().main_view()->run(script);
    }

    QVariant blink_js(const QString& script)
    {
        return blink_screen()->view()->run(script);
    }

    bool blink_shown(const QString& id)
    {
        return blink_js("!document.getElementById('" + id + "').hidden").toBool();
    }

    void show_blink_screen()
    {
        app().show_blink_screen();
        QVERIFY(blink_screen());
        QTRY_VERIFY_WITH_TIMEOUT(blink_screen()->is_page_loaded(), kLong);
    }

    void click(QWidget* view, const QPoint& at) { QTest::mouseClick(view, Qt::LeftButton, {}, at); }

    QPoint centre_of(QWebFrame* frame, const QString& selector)
    {
        const QVariantList box =
            frame
                ->evaluateJavaScript("(function () { const r = document.querySelector('" +
                                     selector +
                                     "').getBoundingClientRect(); return [r.left, r.top, "
                                     "r.width, r.height]; })()")
                .toList();
        return QPoint(box.value(0).toInt() + box.value(2).toInt() / 2,
                      box.value(1).toInt() + box.value(3).toInt() / 2);
    }

    void click_blink_page(const QString& selector)
    {
        // Through the window, as the user does: the drag handles leave the buttons free.
        const QPoint at = centre_of(blink_page()->mainFrame(), selector);
        QWidget* target = blink_screen()->childAt(at);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(blink_screen(), at));
    }

private slots:
    void initTestCase()
    {
        QString problem;
        QVERIFY2(FaceFrames::available(&problem), qPrintable(problem));
    }

    void init() { m_camera = std::make_unique<Camera>(); }

    void cleanup()
    {
        m_fixture.reset();
        m_camera.reset();
    }

    void theBlinkWindowOpensInTheCornerAndClosesFromItsPage()
    {
        start({});
        QSignalSpy shown(&app(), &App::set_use_blink_screen);
        // Camera pictures are made only for a window that shows them.
        QVERIFY(!m_camera->is_preview_on());
        show_blink_screen();
        QVERIFY(m_camera->is_preview_on());
        QVERIFY(blink_screen()->isVisible());
        QCOMPARE(blink_screen()->windowTitle(), QStringLiteral("Blink screen"));
        QCOMPARE(blink_screen()->size(), QSize(331, 221));
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(blink_screen()->geometry().bottomRight(), area.bottomRight() - QPoint(1, 1));
        QCOMPARE(setting("UseBlinkScreen").toBool(), true);

        click_blink_page("#close-button");
        QTRY_VERIFY_WITH_TIMEOUT(!blink_screen(), kLong);
        QVERIFY(!m_camera->is_preview_on());
        QCOMPARE(setting("UseBlinkScreen").toBool(), false);
        QCOMPARE(shown.count(), 2);
        QCOMPARE(shown.last().at(0).toBool(), false);
    }

    void theBlinkWindowComesBackWithKavo()
    {
        start({{"UseBlinkScreen", true}});
        QVERIFY(blink_screen());
        QVERIFY(blink_screen()->isVisible());
    }

    void aSwitchedOffCameraIsShown()
    {
        start({});
        show_blink_screen();
        QVERIFY(blink_shown("camera-disabled"));
        QVERIFY(!blink_shown("error-message"));
        QVERIFY(!blink_screen()->video_label()->isVisible());
    }

    void aMissingCameraIsShown()
    {
        start({{"CameraActive", true}});
        show_blink_screen();
        QTRY_VERIFY_WITH_TIMEOUT(!m_camera->is_thread_running(), kLong);
        QTRY_VERIFY_WITH_TIMEOUT(blink_shown("error-message"), kLong);
        QCOMPARE(blink_js("document.getElementById('error-message').textContent").toString(),
                 QStringLiteral("No camera found"));
        QVERIFY(!blink_shown("camera-disabled"));
        QVERIFY(!blink_screen()->video_label()->isVisible());
    }

    void theCameraPictureAndTheCountAreShown()
    {
        start({{"CameraActive", true}, {"UseBlinkDetection", true}}, true);
        show_blink_screen();
        QTRY_VERIFY_WITH_TIMEOUT(!blink_screen()->video_label()->pixmap(Qt::ReturnByValue).isNull(),
                                 kLong);
        QCOMPARE(blink_screen()->video_label()->pixmap(Qt::ReturnByValue).size(), QSize(330, 220));
        QTRY_VERIFY_WITH_TIMEOUT(blink_screen()->video_label()->isVisible(), kLong);
        QVERIFY(!blink_shown("error-message"));
        QVERIFY(!blink_shown("camera-disabled"));
        QCOMPARE(blink_js("document.getElementById('blink-count').textContent").toString(),
                 QStringLiteral("0"));

        app().use_blink_detection_changed(false);
        QCOMPARE(blink_js("document.getElementById('blink-unit').textContent").toString(),
                 QStringLiteral("blink detection is off"));
    }

    void theVideoClosesToACornerAndOpensAgain()
    {
        start({{"CameraActive", true}}, true);
        show_blink_screen();
        const QRect open = blink_screen()->geometry();
        click_blink_page("#video-button");
        QCOMPARE(blink_screen()->size(), QSize(130, 46));
        QCOMPARE(blink_screen()->geometry().bottomRight(), open.bottomRight());
        QVERIFY(!blink_screen()->video_label()->isVisible());
        QVERIFY(!m_camera->is_preview_on());
        QVERIFY(blink_js("document.body.classList.contains('closed')").toBool());

        // Closed, the button sits at the window's left end.
        click_blink_page("#video-button");
        QCOMPARE(blink_screen()->geometry(), open);
        QVERIFY(m_camera->is_preview_on());
        QTRY_VERIFY_WITH_TIMEOUT(blink_screen()->video_label()->isVisible(), kLong);
    }

    void theSwitchesOfTheAiPageReachTheirSettings_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("key");
        QTest::newRow("automatic brightness") << "use_automatic_brightness"
                                              << "UseAutomaticBrightness";
        QTest::newRow("match brightness to lighting") << "match_brightness_to_lighting"
                                                      << "MatchBrightnessToLighting";
        QTest::newRow("smart brightness") << "use_smart_brightness"
                                          << "SmartBrightness";
        QTest::newRow("smart inversion") << "use_smart_inversion"
                                         << "SmartInversion";
        QTest::newRow("camera") << "use_camera"
                                << "CameraActive";
        QTest::newRow("blink detection") << "use_blink_detection"
                                         << "UseBlinkDetection";
        QTest::newRow("blink screen") << "use_blink_screen"
                                      << "UseBlinkScreen";
    }

    void theSwitchesOfTheAiPageReachTheirSettings()
    {
        QFETCH(QString, control);
        QFETCH(QString, key);
        start({});
        open_window();
        // The page goes by its short name, as in the hidden-pages list.
        emit app().open_page(QStringLiteral("AI"));
        QTRY_COMPARE_WITH_TIMEOUT(
            main_js("(document.querySelector('#page-host .page-title') || {}).textContent")
                .toString(),
            QStringLiteral("Artificial intelligence (AI)"), kLong);
        QWebView* view = app().findChild<QWebView*>(QStringLiteral("webView"));
        const QString selector = "#page-host [data-setting=\"" + control + "\"]";
        click(view, centre_of(view->page()->mainFrame(), selector));
        QTRY_COMPARE_WITH_TIMEOUT(app().settings_map().value(key).toBool(), true, kLong);
        click(view, centre_of(view->page()->mainFrame(), selector));
        QTRY_COMPARE_WITH_TIMEOUT(app().settings_map().value(key).toBool(), false, kLong);
    }

    void theAiPageIsHiddenUntilChosen()
    {
        start({});
        open_window();
        const QString item = "!!document.querySelector('#menu-items [data-page=\"Artificial "
                             "intelligence (AI)\"]')";
        QCOMPARE(main_js(item).toBool(), false);
        app().remove_unused_page(QStringLiteral("ai"));
        QCOMPARE(main_js(item).toBool(), true);
    }

    void theSimpleViewCountsBlinksWhileTheCameraDoes_data()
    {
        QTest::addColumn<bool>("camera");
        QTest::addColumn<bool>("detection");
        QTest::newRow("camera and detection on") << true << true;
        QTest::newRow("camera off") << false << true;
        QTest::newRow("detection off") << true << false;
    }

    void theSimpleViewCountsBlinksWhileTheCameraDoes()
    {
        QFETCH(bool, camera);
        QFETCH(bool, detection);
        start({{"CameraActive", camera}, {"UseBlinkDetection", detection}});
        open_window();
        QCOMPARE(main_js("!document.getElementById('blink-item').hidden").toBool(),
                 camera && detection);
        emit app().set_blink_count(7);
        QCOMPARE(main_js("document.getElementById('blink-count').textContent").toString(),
                 QStringLiteral("7"));
    }
};

QTEST_MAIN(TestSensorPages)
#include "tst_sensor_pages.moc"
