// The page's setters and the window services of App without a page: the common setter
// pattern, the two-value times, ignored monitors, the font renderer, hidden pages, the display
// scale, the drag strip and the restart question.
#include "AppFixture.h"
#include "KavoLogBuffer.h"
#include "color/MagnificationApi.h"
#include "screens/DisplayScale.h"
#include "screens/DragWidget.h"
#include "screens/KavoMessageBox.h"
#include "screens/KavoQuestionBox.h"
#include "screens/UnusedPages.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

namespace {
// Kavo's log, where the setters write their label and value.
QStringList& log_lines()
{
    static QStringList lines;
    return lines;
}

// What a setter does beyond storing its value, as the tests can see it.
enum class Effect
{
    None,
    AdvancedCopy,  // the value is copied to the key's "Advanced" twin
    FontSmoothing, // the system's font smoothing parameter changes
    TimesInfo,     // the transition and moon texts go to the page again
};
} // namespace

Q_DECLARE_METATYPE(Effect)

class TestAppSetters : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_fixture;
    std::unique_ptr<QSignalSpy> m_times_info;

    App& app() { return m_fixture->app(); }
    SettingsMap& map() { return m_fixture->app().settings_map(); }

    QJsonArray state(const char* key) const
    {
        return m_fixture->desktop().state().value(QLatin1String(key)).toArray();
    }

    // The fixture uninstalls its desktop when it goes: the old one must go first.
    void use_desktop(const QByteArray& desktop)
    {
        m_fixture.reset();
        m_fixture = std::make_unique<AppFixture>(desktop);
    }

    bool has_effect(Effect effect, const QString& key, const QVariant& value)
    {
        switch (effect) {
        case Effect::None:
            return true;
        case Effect::AdvancedCopy:
            return map().value("Advanced" + key) == value;
        case Effect::TimesInfo:
            return m_times_info && m_times_info->count() > 0;
        case Effect::FontSmoothing:
            return m_fixture->desktop()
                .state()
                .value("system_parameters")
                .toObject()
                .contains(QString::number(ISystemParameters::kFontSmoothing));
        }
        return false;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<Effect>();
        connect(&KavoLogBuffer::instance(), &KavoLogBuffer::line_logged,
                [](const QString& line) { log_lines().append(line); });
    }

    void init()
    {
        log_lines().clear();
        m_fixture = std::make_unique<AppFixture>();
    }

    void cleanup()
    {
        m_times_info.reset();
        m_fixture.reset();
        KavoQuestionBox::setTestAnswer(std::nullopt);
    }

    void setterPattern_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("logLine"); // empty: the setter logs nothing
        QTest::addColumn<Effect>("effect");

        QTest::newRow("day temperature")
            << "day_temperature_changed" << QVariant(4100) << "DayTemperature"
            << "" << Effect::AdvancedCopy;
        QTest::newRow("sleep light") << "sleep_light_changed" << QVariant(2300) << "SleepLight"
                                     << "" << Effect::AdvancedCopy;
        QTest::newRow("day brightness")
            << "day_brightness_changed" << QVariant(70) << "DayBrightness"
            << "day brigtness: 70" << Effect::AdvancedCopy;
        QTest::newRow("night brightness")
            << "night_brightness_changed" << QVariant(60) << "NightBrightness"
            << "night brigtness: 60" << Effect::AdvancedCopy;
        QTest::newRow("sleep brightness")
            << "sleep_brightness_changed" << QVariant(50) << "SleepBrightness"
            << "sleep brightness: 50" << Effect::AdvancedCopy;
        QTest::newRow("manual colours")
            << "use_manual_color_settings_changed" << QVariant(true) << "UseManualColorSettings"
            << "use_manual_color_settings: 1" << Effect::AdvancedCopy;
        QTest::newRow("sleep light switch")
            << "use_sleep_light_changed" << QVariant(false) << "UseSleepLight"
            << "USE_SLEEP_LIGHT: 0" << Effect::AdvancedCopy;
        QTest::newRow("per monitor")
            << "use_per_monitor_settings_changed" << QVariant(true) << "UsePerMonitorSettings"
            << "USE_PER_MONITOR_SETTINGS: 1" << Effect::None;
        QTest::newRow("saturation switch")
            << "use_saturation_changed" << QVariant(true) << "UseSaturation"
            << "" << Effect::None;
        QTest::newRow("day transition")
            << "day_transition_duration_changed" << QVariant(1800) << "DayTransitionDuration"
            << "DAY_TRANSITION_DURATION: 1800" << Effect::TimesInfo;
        QTest::newRow("pause transition")
            << "pause_transition_duration_changed" << QVariant(500) << "PauseTransitionDuration"
            << "" << Effect::None;
        QTest::newRow("time zone")
            << "time_zone_offset_changed" << QVariant(-3600) << "TimeZoneOffset"
            << "TIME_ZONE_OFFSET: -3600" << Effect::TimesInfo;
        QTest::newRow("new moon") << "new_moon_offset_changed" << QVariant(600) << "NewMoonOffset"
                                  << "NEW_MOON_OFFSET: 600" << Effect::TimesInfo;
        QTest::newRow("manual night")
            << "use_manual_night_duration_changed" << QVariant(true) << "UseManualNightDuration"
            << "use_manual_night_duration: 1" << Effect::TimesInfo;
        QTest::newRow("hide taskbar icon")
            << "hide_taskbar_icon_changed" << QVariant(false) << "HideTaskbarIcon"
            << "HIDE_TASKBAR_ICON: 0" << Effect::None;
        QTest::newRow("optimize ui")
            << "optimize_ui_creation_changed" << QVariant(false) << "OptimizeUiCreation"
            << "OPTIMIZE_UI_CREATION: 0" << Effect::None;
        QTest::newRow("destroy ui")
            << "destroy_ui_on_close_changed" << QVariant(true) << "DestroyUiOnClose"
            << "destroy_ui_on_close: 1" << Effect::None;
        QTest::newRow("start on startup")
            << "start_on_startup_changed" << QVariant(false) << "StartOnStartup"
            << "start_on_startup: 0" << Effect::None; // a test is no installed Kavo
        QTest::newRow("extended temperatures") << "temperature_extended_values_changed"
                                               << QVariant(true) << "UseTemperatureExtendedValues"
                                               << "temperature_extended_values: 1" << Effect::None;
        QTest::newRow("font type") << "font_type_changed" << QVariant(1) << "FontType"
                                   << "font_type_changed: 1" << Effect::FontSmoothing;
    }

    void setterPattern()
    {
        QFETCH(QString, slot);
        QFETCH(QVariant, value);
        QFETCH(QString, key);
        QFETCH(QString, logLine);
        QFETCH(Effect, effect);
        m_fixture->start();
        const QByteArray name = slot.toLatin1();
        const bool per_monitor = slot.endsWith("temperature_changed") ||
                                 slot.endsWith("brightness_changed") ||
                                 slot == "sleep_light_changed";
        auto call = [&](const QVariant& argument) {
            if (argument.type() == QVariant::Bool)
                return QMetaObject::invokeMethod(&app(), name.constData(),
                                                 Q_ARG(bool, argument.toBool()));
            if (per_monitor)
                return QMetaObject::invokeMethod(&app(), name.constData(),
                                                 Q_ARG(int, argument.toInt()), Q_ARG(int, 0));
            return QMetaObject::invokeMethod(&app(), name.constData(),
                                             Q_ARG(int, argument.toInt()));
        };

        // The stored value again: nothing happens.
        m_times_info = std::make_unique<QSignalSpy>(&app(), &App::set_transition_times_info);
        const QVariant before = map().value(key);
        log_lines().clear();
        QVERIFY(call(before));
        QCOMPARE(log_lines(), QStringList());
        QCOMPARE(map().value(key), before);
        QVERIFY(effect == Effect::None || !has_effect(effect, key, value));
        m_times_info->clear();

        // A new value: logged with its label, stored, applied.
        log_lines().clear();
        QVERIFY(call(value));
        QCOMPARE(map().value(key), value);
        if (!logLine.isEmpty())
            QVERIFY2(log_lines().contains(logLine), qPrintable(log_lines().join(" | ")));
        QVERIFY(has_effect(effect, key, value));
    }

    void perMonitorSettersKeepEachMonitorApart()
    {
        m_fixture->start();
        app().day_temperature_changed(3900, 2);
        QCOMPARE(map().value("DayTemperature2").toInt(), 3900);
        QCOMPARE(map().value("AdvancedDayTemperature2").toInt(), 3900);
        QCOMPARE(map().value("DayTemperature").toInt(), 5000);
        // A monitor the desktop does not have is refused rather than stored.
        app().day_temperature_changed(3900, 7);
        QVERIFY(!map().contains("DayTemperature7"));
        app().night_brightness_changed(50, -1);
        QVERIFY(!map().contains("NightBrightness-1"));
    }

    void pausedAutomationPreviewsAtOnce()
    {
        m_fixture->start({{"UseLowLevelColorApi", true}, {"PreserveGamma", false}});
        QVERIFY(QMetaObject::invokeMethod(&app(), "pause_automation"));
        // Temperature previews on its own monitor only...
        app().day_temperature_changed(2500, 2);
        QVERIFY(m_fixture->ramp(2, "blue") != m_fixture->ramp(1, "blue"));
        // ...brightness on every monitor.
        app().day_brightness_changed(40, 2);
        QCOMPARE(m_fixture->ramp(1, "red"), m_fixture->ramp(2, "red"));
        QVERIFY(m_fixture->ramp(1, "red").last() < 40000);
    }

    void twoValueTimes_data()
    {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("logLine"); // empty: nothing is stored
        QTest::newRow("both equal") << 0 << 0 << "";
        QTest::newRow("minutes differ") << 0 << 30 << "bedtime_changed: 0:30";
        QTest::newRow("hours differ") << 23 << 0 << "bedtime_changed: 23:0";
        QTest::newRow("no such hour") << 24 << 0 << "";
        QTest::newRow("no such minute") << 7 << -1 << "";
    }

    void twoValueTimes()
    {
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(QString, logLine);
        m_fixture->start();
        log_lines().clear();
        app().bedtime_changed(hours, minutes);
        QCOMPARE(log_lines().filter(QRegularExpression("^bedtime_changed")),
                 logLine.isEmpty() ? QStringList() : QStringList{logLine});
        // Unchanged, the stored bedtime stays at its default, midnight.
        const bool changes = !logLine.isEmpty();
        QCOMPARE(map().value("BedtimeHours").toInt(), changes ? hours : 0);
        QCOMPARE(map().value("BedtimeMinutes").toInt(), changes ? minutes : 0);
    }

    void nightStartWithNewMinutesStoresBoth()
    {
        m_fixture->start({{"NightStartTimeHours", 21}, {"NightStartTimeMinutes", 0}});
        app().night_start_time_changed(21, 45);
        QCOMPARE(map().value("NightStartTimeHours").toInt(), 21);
        QCOMPARE(map().value("NightStartTimeMinutes").toInt(), 45);
    }

    void ignoringAMonitorTwiceKeepsOneEntry()
    {
        m_fixture->start();
        app().ignore_monitor_changed(2, true);
        app().ignore_monitor_changed(2, true);
        QCOMPARE(app().ignored_monitors(), QList<int>{2});
        app().ignore_monitor_changed(2, false);
        QVERIFY(app().ignored_monitors().isEmpty());
        app().ignore_monitor_changed(1, false);
        QVERIFY(app().ignored_monitors().isEmpty());
    }

    void fontRendererStartsOnceAndStopsWithAnotherType()
    {
        m_fixture->start();
        app().font_type_changed(4);
        app().font_type_changed(4);
        app().refresh_font_type();
        QJsonArray commands = state("elevated_commands");
        QCOMPARE(commands.size(), 1);
        QVERIFY(commands.at(0)
                    .toObject()
                    .value("arguments")
                    .toString()
                    .endsWith("\\gdipp\\Script\\Kavo_Start_GDIPP.bat\""));
        QVERIFY(m_fixture->save_manager().gdipp_enabled());

        app().font_type_changed(2);
        commands = state("elevated_commands");
        QCOMPARE(commands.size(), 2);
        QVERIFY(commands.at(1)
                    .toObject()
                    .value("arguments")
                    .toString()
                    .contains("Kavo_Stop_GDIPP.bat"));
        QVERIFY(!m_fixture->save_manager().gdipp_enabled());
    }

    void everyFontTypeChangeIsAnnouncedToTheSession()
    {
        m_fixture->start();
        const auto broadcasts = [this] {
            return m_fixture->desktop().state().value("system_parameter_broadcasts").toInt();
        };
        QCOMPARE(broadcasts(), 0);
        app().font_type_changed(1);
        QCOMPARE(broadcasts(), 1);
        app().font_type_changed(1); // unchanged: nothing to announce
        app().refresh_font_type();
        QCOMPARE(broadcasts(), 2);
    }

    void aRefusedFontRendererIsNotRecordedAsRunning()
    {
        use_desktop(R"({"power": {"elevation_error": 1223}})");
        m_fixture->start();
        app().font_type_changed(4);
        QVERIFY(state("elevated_commands").isEmpty());
        QVERIFY(!m_fixture->save_manager().gdipp_enabled());
    }

    void restoredAdvancedValuesFollowTheActiveMonitor()
    {
        m_fixture->start({{"DayTemperature2", 4300}, {"NightBrightness2", 60}});
        QSignalSpy temperature(&app(), &App::set_day_temperature_slider_value);
        QSignalSpy brightness(&app(), &App::set_night_brightness_slider_value);
        QSignalSpy inverted(&app(), &App::set_use_inverted_colors);
        app().current_active_monitor_changed(2);
        QCOMPARE(temperature.takeFirst().at(0).toInt(), 4300);
        QCOMPARE(brightness.takeFirst().at(0).toInt(), 60);
        QCOMPARE(inverted.count(), 1);
        app().current_active_monitor_changed(0);
        QCOMPARE(temperature.takeFirst().at(0).toInt(), 5000);
    }

    void hiddenPages()
    {
        m_fixture->start({{"UnusedPages", QStringList{"Debug", "Moon"}}});
        QCOMPARE(app().get_unused_pages(), (QVariantList{"Debug", "Moon"}));
        QSignalSpy refreshed(&app(), &App::refresh_unused_pages_signal);
        app().add_unused_page("debug");
        QCOMPARE(app().get_unused_pages(), (QVariantList{"Debug", "Moon", "debug"}));
        app().add_unused_page("Moon");
        QCOMPARE(app().get_unused_pages().size(), 3);
        app().remove_unused_page("DEBUG");
        QCOMPARE(app().get_unused_pages(), QVariantList{"Moon"});
        QCOMPARE(refreshed.count(), 3);
    }

    void defaultHiddenPages_data()
    {
        QTest::addColumn<QString>("application");
        QTest::addColumn<QByteArray>("file"); // "missing": no file at all
        QTest::addColumn<QVariantList>("expected");
        QTest::newRow("file") << "Kavo" << QByteArray("Sleep\nTimer\n\n")
                              << QVariantList{"Sleep", "Timer"};
        QTest::newRow("empty file") << "Kavo" << QByteArray() << QVariantList{};
        QTest::newRow("other edition")
            << "Glimra" << QByteArray("missing")
            << QVariantList{"Color Temperature", "PWM control",  "Hardware", "Sounds",    "Kindle",
                            "Hidden features",   "Transition",   "Moon",     "Lightness", "Sleep",
                            "Rest screen",       "Mouse pausers"};
        QTest::newRow("unknown edition") << "Other" << QByteArray("missing") << QVariantList{};
    }

    void defaultHiddenPages()
    {
        QFETCH(QString, application);
        QFETCH(QByteArray, file);
        QFETCH(QVariantList, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("unused_pages.txt");
        if (file != "missing") {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(file);
        }
        QCOMPARE(UnusedPages::default_list(application, path), expected);
    }

    void theBuiltInListHidesMousePausersTwice()
    {
        m_fixture->start();
        const QVariantList pages = app().get_unused_pages();
        QCOMPARE(pages.count(QStringLiteral("Mouse pausers")), 2);
        QCOMPARE(pages.size(), 16);
        QVERIFY(pages.contains(QStringLiteral("Debug")));
    }

    void displayScale_data()
    {
        QTest::addColumn<int>("uiScale");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("retina");
        QTest::addColumn<bool>("is1920");
        QTest::addColumn<QSize>("strip");
        QTest::newRow("auto 2560x1440") << 0 << QSize(2560, 1440) << true << true << QSize(730, 72);
        QTest::newRow("auto 1920x1080")
            << 0 << QSize(1920, 1080) << false << true << QSize(540, 72);
        QTest::newRow("auto 1366x768") << 0 << QSize(1366, 768) << false << false << QSize(365, 36);
        // The automatic scale never makes the window larger than the screen: the advanced view
        // is 840 x 600 at the normal scale.
        QTest::newRow("auto 2560x1080: 2x would be 1680x1200")
            << 0 << QSize(2560, 1080) << false << true << QSize(540, 72);
        QTest::newRow("auto 1600x880: 1.5x would be 1260x900")
            << 0 << QSize(1600, 880) << false << false << QSize(365, 36);
        QTest::newRow("auto 1920x1200")
            << 0 << QSize(1920, 1200) << false << true << QSize(540, 72);
        QTest::newRow("auto portrait 1200x2048")
            << 0 << QSize(1200, 2048) << false << false << QSize(365, 36);
        QTest::newRow("normal on 4k") << 1 << QSize(3840, 2160) << false << false << QSize(365, 36);
        QTest::newRow("retina") << 2 << QSize(1366, 768) << true << false << QSize(730, 72);
        QTest::newRow("1920") << 3 << QSize(3840, 2160) << false << true << QSize(540, 72);
    }

    void displayScale()
    {
        QFETCH(int, uiScale);
        QFETCH(QSize, screen);
        QFETCH(bool, retina);
        QFETCH(bool, is1920);
        QFETCH(QSize, strip);
        use_desktop(QStringLiteral(R"({"monitors": [{"x": 0, "y": 0, "width": %1, "height": %2}]})")
                        .arg(screen.width())
                        .arg(screen.height())
                        .toUtf8());
        m_fixture->start({{"UiScale", uiScale}});
        QCOMPARE(app().is_retina_display(), retina);
        QCOMPARE(app().is_1920_display(), is1920);
        app().create_ui();
        const DragWidget* drag = app().findChild<DragWidget*>();
        QVERIFY(drag);
        QCOMPARE(drag->size(), strip);
        QCOMPARE(drag->pos(), QPoint(10, 10));
    }

    void dragStripMovesTheWindow_data()
    {
        QTest::addColumn<bool>("limited");
        QTest::addColumn<QPoint>("moved");
        QTest::newRow("free") << false << QPoint(40, -25);
        QTest::newRow("limited with per-monitor gamma") << true << QPoint(10, -10);
    }

    void dragStripMovesTheWindow()
    {
        QFETCH(bool, limited);
        QFETCH(QPoint, moved);
        QWidget window;
        window.move(200, 200);
        DragWidget strip(&window, [limited] { return limited; });
        strip.resize(100, 30);
        const QPoint start = window.pos();
        auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, at, strip.mapToGlobal(at), Qt::LeftButton, buttons, {});
            QCoreApplication::sendEvent(&strip, &event);
        };
        send(QEvent::MouseButtonPress, {20, 15}, Qt::LeftButton);
        send(QEvent::MouseMove, {60, -10}, Qt::LeftButton);
        QCOMPARE(window.pos() - start, moved);
        send(QEvent::MouseButtonRelease, {60, -10}, Qt::NoButton);
        QVERIFY(!strip.is_dragging());
        send(QEvent::MouseMove, {90, 0}, Qt::NoButton);
        QCOMPARE(window.pos() - start, moved);
    }

    void badWindowSizesAreIgnored_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("zero") << 0 << 500;
        QTest::newRow("negative") << 520 << -1;
        QTest::newRow("beyond Qt's limit") << QWIDGETSIZE_MAX + 1 << 500;
    }

    void badWindowSizesAreIgnored()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        m_fixture->start();
        app().create_ui();
        app().resize_window(600, 400);
        app().resize_window(width, height);
        QCOMPARE(app().size(), QSize(600, 400));
    }

    void restartQuestion_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("restarts");
        QTest::newRow("restart now") << "Restart now" << 1;
        QTest::newRow("later") << "Later" << 0;
        QTest::newRow("closed") << "" << 0;
    }

    void restartQuestion()
    {
        QFETCH(QString, answer);
        QFETCH(int, restarts);
        m_fixture->start();
        KavoQuestionBox::testQuestions().clear();
        KavoQuestionBox::setTestAnswer(answer);
        app().restart_pc_message_box();
        QCOMPARE(KavoQuestionBox::testQuestions().first(), QStringLiteral("Restart is needed"));
        const QJsonArray requests = state("restart_requests");
        QCOMPARE(requests.size(), restarts);
        if (restarts)
            QCOMPARE(requests.at(0).toString(), QStringLiteral("Kavo is restarting the system"));
    }

    void relaunchQuestion_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("relaunches");
        QTest::newRow("relaunch now") << "Relaunch now" << 1;
        QTest::newRow("later") << "Later" << 0;
    }

    void relaunchQuestion()
    {
        QFETCH(QString, answer);
        QFETCH(int, relaunches);
        m_fixture->start({{"WorkTime", 25}});
        map().insert("WorkTime", 35);
        KavoQuestionBox::setTestAnswer(answer);
        app().relaunch_kavo_message_box();
        const QJsonArray relaunched = state("relaunches");
        QCOMPARE(relaunched.size(), relaunches);
        if (relaunches)
            QCOMPARE(relaunched.at(0).toString(), QCoreApplication::applicationFilePath());
        // Relaunching quits the way Exit does, saving first.
        QCOMPARE(m_fixture->stored("WorkTime").toInt(), relaunches ? 35 : 25);
    }

    void messagesFollowTheDesktop_data()
    {
        QTest::addColumn<bool>("messageBoxes");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("message boxes") << true << QStringList{"Title", "first\nsecond"};
        QTest::newRow("tray notices") << false << QStringList{};
    }

    void messagesFollowTheDesktop()
    {
        QFETCH(bool, messageBoxes);
        QFETCH(QStringList, shown);
        use_desktop(QStringLiteral(R"({"capabilities": {"message_boxes": %1}})")
                        .arg(messageBoxes ? "true" : "false")
                        .toUtf8());
        m_fixture->start();
        KavoMessageBox::testMessages().clear();
        KavoMessageBox::setTestAnswer(QStringLiteral("OK"));
        app().show_message("Title", "first\nsecond");
        QCOMPARE(KavoMessageBox::testMessages(), shown);
        app().show_message_box("Box", "always");
        QCOMPARE(KavoMessageBox::testMessages().mid(shown.size()), (QStringList{"Box", "always"}));
        KavoMessageBox::setTestAnswer(std::nullopt);
    }

    void zoomStepsTheScreenMagnifier()
    {
        use_desktop(R"({"capabilities": {"magnifier": true}})");
        m_fixture->start();
        MagnificationApi* magnifier = MagnificationApi::instance();
        QVERIFY(magnifier);
        app().zoom_in();
        app().zoom_in();
        QCOMPARE(magnifier->zoom_level(), 1.4f);
        app().zoom_out();
        QCOMPARE(magnifier->zoom_level(), 1.25f);
    }

    void pageUrlsAreOnlyRedirectedWhenNew()
    {
        m_fixture->start();
        const QUrl a(QStringLiteral("https://example.org/a"));
        const QUrl b(QStringLiteral("https://example.org/b"));
        QCOMPARE(app().redirect_url(b, a), b);
        QCOMPARE(app().redirect_url(a, a), QUrl());
        QCOMPARE(app().redirect_url(QUrl(), a), QUrl());
    }
};

QTEST_MAIN(TestAppSetters)
#include "tst_app_setters.moc"
