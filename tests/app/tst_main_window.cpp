// The main window with its real page in the web engine, on the simulated desktop: what the
// page runs at load, clicks and slider moves reaching the settings, values reaching the page.
#include "AppFixture.h"
#include "parts/IWebView.h"
#include "screens/DragWidget.h"
#include "screens/KavoMessageBox.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QJsonArray>
#include <QJsonObject>
#include <QMouseEvent>
#include <QWebFrame>
#include <QWebPage>
#include <QWebSettings>
#include <QWebView>
#include <QtTest>

namespace {
// Normal scale, so that page coordinates are widget coordinates.
const QVariantMap kNormalScale{{"UiScale", 1}};

QVariantMap with(QVariantMap settings, const QVariantMap& extra)
{
    for (auto it = extra.begin(); it != extra.end(); ++it)
        settings.insert(it.key(), it.value());
    return settings;
}

// Catches the addresses Kavo asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    explicit UrlCatcher(const QString& scheme) : m_scheme(scheme)
    {
        QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(m_scheme); }

    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }

private:
    QString m_scheme;
};
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_fixture;

    App& app() { return m_fixture->app(); }
    QWebView* view() { return app().findChild<QWebView*>(QStringLiteral("webView")); }

    QVariant js(const QString& script)
    {
        return app().main_view()->run(script);
    }

    // Starts Kavo and opens its window the way "--show_ui" does; returns once the page has
    // finished its own start.
    void open_window(const QVariantMap& settings = {})
    {
        m_fixture->start(with(kNormalScale, settings));
        show_window();
    }

    // Opens the window of the Kavo that runs already.
    void show_window()
    {
        app().create_ui();
        app().set_show_ui_requested(true);
        QTRY_VERIFY(app().isVisible());
        QTRY_VERIFY(js("document.querySelectorAll('#menu-items .menu-item').length > 0").toBool());
    }

    void open_page(const QString& title)
    {
        emit app().open_page(title);
        QTRY_COMPARE(
            js("(document.querySelector('#page-host .page-title') || {}).textContent").toString(),
            title);
    }

    QPoint centre_of(const QString& selector)
    {
        const QVariantList box =
            js("(function () { const r = document.querySelector('" + selector +
               "').getBoundingClientRect(); return [r.left, r.top, r.width, r.height]; })()")
                .toList();
        return QPoint(box.value(0).toInt() + box.value(2).toInt() / 2,
                      box.value(1).toInt() + box.value(3).toInt() / 2);
    }

    void click(const QString& selector)
    {
        QTest::mouseClick(view(), Qt::LeftButton, {}, centre_of(selector));
    }

    void send_mouse(QEvent::Type type, const QPoint& at, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, at, view()->mapToGlobal(at), Qt::LeftButton, buttons, {});
        QCoreApplication::sendEvent(view(), &event);
    }

private slots:
    void init() { m_fixture = std::make_unique<AppFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void theFirstLoadConnectsThePageAndReportsItReady()
    {
        open_window();
        QVERIFY(app().is_page_loaded());
        emit app().set_kavo_status(QStringLiteral("4500K / 90%"));
        QCOMPARE(js("document.getElementById('kavo-status').textContent").toString(),
                 QStringLiteral("4500K / 90%"));
        QCOMPARE(m_fixture->desktop().state().value("front_window").toString(),
                 QStringLiteral("Kavo"));
    }

    void aReloadDoesNotFinishThePageAgain()
    {
        open_window();
        QSignalSpy loaded(view(), &QWebView::loadFinished);
        view()->reload();
        QTRY_COMPARE(loaded.count(), 1);
        // The reloaded page is never told that Kavo finished loading: its menu stays empty.
        QCOMPARE(js("document.querySelectorAll('#menu-items .menu-item').length").toInt(), 0);
        QCOMPARE(js("typeof native_object.get_unused_pages").toString(),
                 QStringLiteral("function"));
    }

    void everySignalThePageListensToExists()
    {
        open_window();
        const QStringList missing =
            js("Kavo.bindings().map((b) => b.signal).filter((s) => s && "
               "!(native_object[s] && typeof native_object[s].connect === 'function'))")
                .toStringList();
        QCOMPARE(missing, QStringList());
    }

    void everySlotThePageCallsExistsOrComesLater()
    {
        // Slots of features that are not part of Kavo yet; the page calls them by name.
        const QStringList later;
        open_window();
        const QStringList missing = js("Kavo.bindings().map((b) => b.slot).filter((s) => s && "
                                       "typeof native_object[s] !== 'function')")
                                        .toStringList();
        for (const QString& slot : missing)
            QVERIFY2(later.contains(slot), qPrintable(slot));
    }

    void everyPageOpensWithItsControlsBound()
    {
        open_window();
        for (const QVariant& title : js("MainScreen.PAGES.map((page) => page.title)").toList()) {
            open_page(title.toString());
            const QStringList unbound =
                js("Kavo.all(document, '#page-host [data-setting]:not([data-bound])')"
                   ".map((control) => control.getAttribute('data-setting'))")
                    .toStringList();
            QVERIFY2(unbound.isEmpty(), qPrintable(title.toString() + ": " + unbound.join(", ")));
        }
        QCOMPARE(js("Kavo.errors()").toStringList(), QStringList());
    }

    void aClickedSwitchReachesItsSetting_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("expected");
        QTest::newRow("manual blue light") << "Blue light"
                                           << "use_manual_color_settings"
                                           << "UseManualColorSettings" << true;
        QTest::newRow("sleep light") << "Sleep"
                                     << "use_sleep_light"
                                     << "UseSleepLight" << false;
        QTest::newRow("hide taskbar icon") << "System"
                                           << "hide_taskbar_icon"
                                           << "HideTaskbarIcon" << false;
        QTest::newRow("optimize ui creation") << "CPU"
                                              << "optimize_ui_creation"
                                              << "OptimizeUiCreation" << false;
        QTest::newRow("per monitor settings") << "Manage monitors"
                                              << "use_per_monitor_settings"
                                              << "UsePerMonitorSettings" << true;
    }

    void aClickedSwitchReachesItsSetting()
    {
        QFETCH(QString, page);
        QFETCH(QString, setting);
        QFETCH(QString, key);
        QFETCH(bool, expected);
        open_window();
        open_page(page);
        click("#page-host [data-setting=\"" + setting + "\"]");
        QTRY_COMPARE(app().settings_map().value(key).toBool(), expected);
    }

    void aMovedSliderReachesItsSetting()
    {
        open_window();
        open_page(QStringLiteral("Brightness"));
        const QString slider = QStringLiteral("#page-host [data-setting=\"day_brightness\"]");
        const QPoint thumb = centre_of(slider);
        const QVariantList box = js("(function () { const r = document.querySelector('" + slider +
                                    "').getBoundingClientRect(); return [r.left, r.width]; })()")
                                     .toList();
        // The thumb sits at 100 %; drag it to the left end of the 30..100 % range.
        const QPoint left_end(box.value(0).toInt() + 2, thumb.y());
        send_mouse(QEvent::MouseButtonPress, thumb, Qt::LeftButton);
        send_mouse(QEvent::MouseMove, (thumb + left_end) / 2, Qt::LeftButton);
        send_mouse(QEvent::MouseMove, left_end, Qt::LeftButton);
        send_mouse(QEvent::MouseButtonRelease, left_end, Qt::NoButton);
        QTRY_COMPARE(app().settings_map().value("DayBrightness").toInt(), 30);
        QCOMPARE(app().settings_map().value("AdvancedDayBrightness").toInt(), 30);
    }

    void aTypedTimeReachesItsSettings()
    {
        open_window();
        open_page(QStringLiteral("Sleep"));
        js("(function () { const hours = document.querySelector("
           "'#page-host [data-setting=\"bedtime\"] input'); hours.value = '23'; "
           "hours.dispatchEvent(new Event('change')); })()");
        QCOMPARE(app().settings_map().value("BedtimeHours").toInt(), 23);
        QCOMPARE(app().settings_map().value("BedtimeMinutes").toInt(), 0);
    }

    void publishedValuesReachThePage_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("expected"); // the page's value, as JSON

        QTest::newRow("switch") << "UseSleepLight" << QVariant(false) << "use_sleep_light"
                                << "false";
        QTest::newRow("choice") << "FontType" << QVariant(2) << "font_type"
                                << "2";
        QTest::newRow("per-monitor colour")
            << "DayTemperature" << QVariant(4200) << "day_temperature"
            << "4200";
        QTest::newRow("seconds shown as minutes")
            << "DayTransitionDuration" << QVariant(1800) << "day_transition_duration"
            << "30";
        QTest::newRow("text coordinate") << "Latitude" << QVariant(52.5) << "latitude"
                                         << "52.5";
        QTest::newRow("clock time") << "BedtimeHours" << QVariant(23) << "bedtime"
                                    << R"({"hours":23,"minutes":0})";
        QTest::newRow("timer type") << "TimerType" << QVariant(3) << "timer_type"
                                    << "3";
    }

    void publishedValuesReachThePage()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QString, setting);
        QFETCH(QString, expected);
        open_window({{key, stored}});
        QCOMPARE(js("JSON.stringify(Kavo.value('" + setting + "'))").toString(), expected);
    }

    void theSimpleViewShowsAndSendsModeAndType()
    {
        open_window({{"KavoMode", 2}, {"KavoType", 4}});
        QCOMPARE(js("document.querySelector('#mode-choice .selected').textContent").toString(),
                 QStringLiteral("Manual"));
        QCOMPARE(js("document.querySelector('#type-choice .selected').textContent").toString(),
                 QStringLiteral("Reading"));
        click("#mode-choice [data-mode=\"3\"]");
        QTRY_COMPARE(app().settings_map().value("KavoMode").toInt(), 3);
        click("#type-choice [data-type=\"3\"]");
        QTRY_COMPARE(app().settings_map().value("KavoType").toInt(), 3);
    }

    void hidingAPageTakesItOffTheMenu()
    {
        open_window();
        QVERIFY(!app().get_unused_pages().contains(QStringLiteral("Sleep")));
        click("#advanced-tab");
        QTRY_VERIFY(app().settings_map().value("AdvancedView").toBool());
        click("#menu-edit");
        click("#menu-items [data-page=\"Sleep\"]");
        QVERIFY(app().get_unused_pages().contains(QStringLiteral("Sleep")));
        click("#menu-edit");
        QCOMPARE(js("!!document.querySelector('#menu-items [data-page=\"Sleep\"]')").toBool(),
                 false);
    }

    void escapeClosesLikeTheCloseButton()
    {
        open_window({{"HideTaskbarIcon", true}});
        QTest::keyClick(view(), Qt::Key_Escape);
        QTRY_VERIFY(!app().isVisible());
    }

    void closingWithoutTrayIconQuits_data()
    {
        QTest::addColumn<bool>("autosave");
        QTest::newRow("auto-save on") << true;
        QTest::newRow("auto-save off") << false;
    }

    void closingWithoutTrayIconQuits()
    {
        QFETCH(bool, autosave);
        m_fixture.reset();
        m_fixture = std::make_unique<AppFixture>(
            R"({"system_tray": false, "monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080}]})");
        open_window({{"AutosaveSettings", autosave}, {"WorkTime", 25}});
        app().settings_map().insert("WorkTime", 40);
        QCloseEvent event;
        QCoreApplication::sendEvent(&app(), &event);
        QVERIFY(event.isAccepted());
        QCOMPARE(m_fixture->stored("WorkTime").toInt(), autosave ? 40 : 25);
    }

    void theMonitorTabsFollowTheDesktopWhenThePageLoadsLate()
    {
        m_fixture->start(with(kNormalScale, {{"UsePerMonitorSettings", true}}));
        // Kavo ran a while before the window was first opened.
        QVERIFY(QMetaObject::invokeMethod(&app(), "update_ui"));
        show_window();
        QCOMPARE(
            js("document.querySelectorAll('#simple-view .monitor-tabs button').length").toInt(), 2);
    }

    void theFirstLoadKeepsAnUnsavedModeAndType()
    {
        m_fixture->start(with(kNormalScale, {{"KavoMode", 1}, {"KavoType", 1}}));
        app().kavo_mode_changed_force(2, false);
        app().kavo_type_changed_force(4, false);
        show_window();
        QCOMPARE(app().settings_map().value("KavoMode").toInt(), 2);
        QCOMPARE(app().settings_map().value("KavoType").toInt(), 4);
        QCOMPARE(js("document.querySelector('#mode-choice .selected').textContent").toString(),
                 QStringLiteral("Manual"));
        QCOMPARE(js("document.querySelector('#type-choice .selected').textContent").toString(),
                 QStringLiteral("Reading"));
    }

    void resetToDefaultsRefitsTheDragStrip()
    {
        open_window({{"UiScale", 2}});
        const DragWidget* strip = app().findChild<DragWidget*>();
        QCOMPARE(strip->size(), QSize(730, 72));
        app().reset_settings_to_default();
        // The automatic scale of a 1920 x 1080 screen.
        QCOMPARE(strip->size(), QSize(540, 72));
        QTRY_COMPARE(app().size(), QSize(780, 750));
    }

    void startUpSetsTheWebViewsSettings_data()
    {
        QTest::addColumn<int>("attribute");
        QTest::newRow("local storage") << int(QWebSettings::LocalStorageEnabled);
        QTest::newRow("images") << int(QWebSettings::AutoLoadImages);
        QTest::newRow("local content reaches remote addresses")
            << int(QWebSettings::LocalContentCanAccessRemoteUrls);
        QTest::newRow("scripts") << int(QWebSettings::JavascriptEnabled);
        QTest::newRow("clipboard") << int(QWebSettings::JavascriptCanAccessClipboard);
        QTest::newRow("windows") << int(QWebSettings::JavascriptCanOpenWindows);
    }

    void startUpSetsTheWebViewsSettings()
    {
        QFETCH(int, attribute);
        m_fixture->start();
        QVERIFY(QWebSettings::globalSettings()->testAttribute(
            static_cast<QWebSettings::WebAttribute>(attribute)));
    }

    void theWindowAndTheApplicationShowKavosIcon()
    {
        m_fixture->start();
        QCOMPARE(QGuiApplication::windowIcon().availableSizes(), QList<QSize>{QSize(256, 256)});
        QCOMPARE(app().windowIcon().cacheKey(), QGuiApplication::windowIcon().cacheKey());
    }

    void aMinuteTimerRuns()
    {
        m_fixture->start();
        const QList<QTimer*> timers = app().findChildren<QTimer*>();
        QVERIFY(std::any_of(timers.begin(), timers.end(), [](const QTimer* timer) {
            return timer->interval() == 60000 && timer->isActive() && !timer->isSingleShot();
        }));
    }

    void theAboutPageOpensTheChangesAndTheWebsite()
    {
        qputenv("KAVO_WEBSITE_URL", "https://kavo.test/");
        qputenv("KAVO_CHANGELOG_URL", "https://kavo.test/changes");
        UrlCatcher catcher("https");
        open_window();
        open_page(QStringLiteral("About"));
        QVERIFY(js("document.querySelector('#page-host [data-call=\"open_version_link\"]')"
                   ".offsetParent !== null")
                    .toBool());
        click("#page-host [data-call=\"open_version_link\"]");
        click("#page-host [data-call=\"open_website_link\"]");
        qunsetenv("KAVO_WEBSITE_URL");
        qunsetenv("KAVO_CHANGELOG_URL");
        QCOMPARE(catcher.urls,
                 (QList<QUrl>{QUrl("https://kavo.test/changes"), QUrl("https://kavo.test/")}));
    }

    void withoutAWebsiteTheAboutPageOffersNone()
    {
        qputenv("KAVO_WEBSITE_URL", "");
        UrlCatcher catcher("https");
        open_window();
        open_page(QStringLiteral("About"));
        QVERIFY(js("document.querySelector('#page-host [data-setting=\"current_website\"]')"
                   ".hidden")
                    .toBool());
        KavoMessageBox::setTestAnswer(QStringLiteral("OK"));
        KavoMessageBox::testMessages().clear();
        app().open_website_link();
        KavoMessageBox::setTestAnswer(std::nullopt);
        qunsetenv("KAVO_WEBSITE_URL");
        QVERIFY(catcher.urls.isEmpty());
        QCOMPARE(KavoMessageBox::testMessages(),
                 (QStringList{"Website", "This build of Kavo names no website."}));
        QCOMPARE(js("document.querySelector('#simple-view .version').textContent").toString(),
                 QStringLiteral(KAVO_VERSION));
    }

    void theManualSwitchesKeepTheNightValueAsTheirHelpSays_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<bool>("temperature");
        QTest::newRow("blue light") << "Blue light"
                                    << "use_manual_color_settings" << true;
        QTest::newRow("color temperature") << "Color Temperature"
                                           << "use_manual_color_settings" << true;
        QTest::newRow("brightness") << "Brightness"
                                    << "use_manual_brightness" << false;
    }

    void theManualSwitchesKeepTheNightValueAsTheirHelpSays()
    {
        QFETCH(QString, page);
        QFETCH(QString, setting);
        QFETCH(bool, temperature);
        m_fixture = std::make_unique<AppFixture>(
            R"({"clock": {"now": "2026-06-10T12:00:00", "running": false}})");
        open_window();
        open_page(page);
        const SettingsMap& map = app().settings_map();
        const int night = temperature ? map.value("NightTemperature").toInt()
                                      : map.value("NightBrightness").toInt();
        const auto scheduled = [&] {
            return temperature ? int(app().get_interpolated_color_temperature(0))
                               : int(app().get_interpolated_brightness(0));
        };
        QVERIFY(scheduled() != night); // noon
        const QString control = "#page-host [data-setting=\"" + setting + "\"]";
        const QString help = js("document.querySelector('" + control +
                                "').closest('.row')"
                                ".querySelector('.help').textContent")
                                 .toString();
        QVERIFY2(help.contains("night") && !help.contains("day"), qPrintable(help));
        click(control);
        QTRY_COMPARE(scheduled(), night);
    }

    void clickingAnInformationTextCopiesIt_data()
    {
        QTest::addColumn<QString>("page");
        QTest::newRow("transition") << "Transition";
        QTest::newRow("moon") << "Moon";
        QTest::newRow("debug") << "Debug";
    }

    void clickingAnInformationTextCopiesIt()
    {
        QFETCH(QString, page);
        open_window();
        open_page(page);
        const QString text = "document.querySelector('#page-host [data-copy]').textContent";
        QTRY_VERIFY(js(text).toString().startsWith("CLICK TO COPY THE TEXT TO CLIPBOARD"));
        QGuiApplication::clipboard()->clear();
        js("document.querySelector('#page-host [data-copy]').scrollIntoView(true)");
        const QPoint top_left = centre_of("#page-host [data-copy]") -
                                QPoint(0, js("document.querySelector('#page-host [data-copy]')"
                                             ".getBoundingClientRect().height / 2 - 10")
                                              .toInt());
        QTest::mouseClick(view(), Qt::LeftButton, {}, top_left);
        QTRY_COMPARE(QGuiApplication::clipboard()->text().trimmed(), js(text).toString().trimmed());
    }

    void theDebugPageShowsTheSettingsAsText()
    {
        open_window();
        app().settings_map().insert("WebsitesForBlocking", "<b id=\"injected\">bold</b>");
        open_page(QStringLiteral("Debug"));
        const QString text =
            js("document.querySelector('#page-host [data-text=\"set_debug_info\"]').textContent")
                .toString();
        QVERIFY(text.contains("\nCurrent settings\n"));
        QVERIFY(text.contains("\nWebsitesForBlocking: <b id=\"injected\">bold</b>\n"));
        QVERIFY(js("document.getElementById('injected') === null").toBool());
    }

    void thePwmPageSaysWhenThereIsNoPwmControl()
    {
        open_window();
        open_page(QStringLiteral("PWM control"));
        const QString notice = "document.querySelector('#page-host .notice')";
        QVERIFY(!js(notice + ".hidden").toBool());
        QCOMPARE(js("Kavo.value('pwm_frequency')").toInt(), 1000);
        emit app().set_pwm_control_status(true, 240);
        QVERIFY(js(notice + ".hidden").toBool());
        QCOMPARE(js("document.querySelector('#page-host [data-setting=\"pwm_frequency\"]')"
                    ".value")
                     .toInt(),
                 240);
    }

    void thePwmSliderReachesUpToTheMaximumFrequency()
    {
        open_window({{"PWMMaxFrequency", 5000}});
        open_page(QStringLiteral("PWM control"));
        const QString slider =
            "document.querySelector('#page-host [data-setting=\"pwm_frequency\"]')";
        QCOMPARE(js(slider + ".max").toInt(), 5000);
        js("(function () { const box = document.querySelector('#page-host "
           "[data-setting=\"pwm_max_frequency\"]'); box.value = '8000'; "
           "box.dispatchEvent(new Event('change')); })()");
        QCOMPARE(app().settings_map().value("PWMMaxFrequency").toInt(), 8000);
        QCOMPARE(js(slider + ".max").toInt(), 8000);
    }

    void thePageRescalesItsWindow_data()
    {
        QTest::addColumn<int>("uiScale");
        QTest::addColumn<QSize>("simpleSize");
        QTest::newRow("normal") << 1 << QSize(520, 500);
        QTest::newRow("1920") << 3 << QSize(780, 750);
        QTest::newRow("retina") << 2 << QSize(1040, 1000);
    }

    void thePageRescalesItsWindow()
    {
        QFETCH(int, uiScale);
        QFETCH(QSize, simpleSize);
        open_window();
        app().settings_map().insert("UiScale", uiScale);
        app().refresh_scale();
        QTRY_COMPARE(app().size(), simpleSize);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
