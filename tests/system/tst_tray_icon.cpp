#include "AppFixture.h"
#include "KavoResources.h"
#include "system/TaskbarButton.h"
#include "system/TrayIcon.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QWidget>
#include <QtTest>

// The tray icon and the taskbar entry, as the simulated desktop shows them.
class TestTrayIcon : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_fixture;
    App* m_app = nullptr;

    void start(const QVariantMap& settings = {},
               const QByteArray& desktop = AppFixture::kTwoMonitors)
    {
        m_fixture = std::make_unique<AppFixture>(desktop);
        m_fixture->start(settings);
        m_app = &m_fixture->app();
    }

    QJsonObject tray() const { return m_fixture->desktop().state()["tray"].toObject(); }
    QJsonObject taskbar() const { return m_fixture->desktop().state()["taskbar"].toObject(); }

    static QStringList texts(const QJsonArray& menu)
    {
        QStringList texts;
        for (const QJsonValue& entry : menu)
            texts << (entry["separator"].toBool() ? QString("-") : entry["text"].toString());
        return texts;
    }

    QJsonArray submenu(const QString& title) const
    {
        for (const QJsonValue& entry : tray()["menu"].toArray()) {
            if (entry["text"].toString() == title)
                return entry["submenu"].toArray();
        }
        return {};
    }

    static QStringList checked(const QJsonArray& menu)
    {
        QStringList checked;
        for (const QJsonValue& entry : menu) {
            if (entry["checked"].toBool())
                checked << entry["text"].toString();
        }
        return checked;
    }

    // Writes the desktop config again with `entries` added.
    void configure(const QJsonObject& entries)
    {
        QJsonObject config = QJsonDocument::fromJson(AppFixture::kTwoMonitors).object();
        for (auto it = entries.begin(); it != entries.end(); ++it)
            config.insert(it.key(), it.value());
        QFile file(m_fixture->desktop_config());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(config).toJson());
        file.close();
        m_fixture->desktop().reloadConfig();
    }

    static QJsonObject with(QJsonObject config, const QString& key, const QString& value)
    {
        config.insert(key, value);
        return config;
    }

    TrayIcon& trayIcon() { return *dynamic_cast<TrayIcon*>(m_app->tray_icon()); }

private slots:
    void cleanup() { m_fixture.reset(); }

    void menuOrderFollowsThePauserSwitches_data()
    {
        QTest::addColumn<bool>("color");
        QTest::addColumn<bool>("timer");
        QTest::addColumn<bool>("mouse");
        QTest::addColumn<QStringList>("tail");
        QTest::newRow("none") << false << false << false << QStringList{"-", "Exit"};
        QTest::newRow("color") << true << false << false
                               << QStringList{"-", "Color pausers", "-", "Exit"};
        QTest::newRow("timer and mouse")
            << false << true << true
            << QStringList{"-", "Timer pausers", "Mouse pausers", "-", "Exit"};
        QTest::newRow("all") << true << true << true
                             << QStringList{"-", "Color pausers", "Timer pausers", "Mouse pausers",
                                            "-", "Exit"};
    }

    void menuOrderFollowsThePauserSwitches()
    {
        QFETCH(bool, color);
        QFETCH(bool, timer);
        QFETCH(bool, mouse);
        QFETCH(QStringList, tail);
        start({{"UseColorPausers", color}, {"UseTimerPausers", timer}, {"UseMousePausers", mouse}});
        const QStringList head{"Settings",     "-",          "Mode",        "-",
                               "&Health",      "&Sleep",     "&Gaming",     "&Reading",
                               "&Programming", "&Biohacker", "&Sunglasses", "&Dark",
                               "&Movie",       "&Overlay",   "&Custom"};
        QTRY_COMPARE(texts(tray()["menu"].toArray()), head + tail);
        QCOMPARE(texts(submenu("Mode")),
                 (QStringList{"&Change mode", "-", "&Automatic", "&Manual", "&Paused"}));
        QVERIFY(tray()["visible"].toBool());
    }

    void checkMarksFollowModeAndType()
    {
        start({{"KavoMode", 1}, {"KavoType", 1}});
        QTRY_COMPARE(checked(tray()["menu"].toArray()), QStringList{"&Health"});
        QCOMPARE(checked(submenu("Mode")), QStringList{"&Automatic"});
        m_app->kavo_type_changed_force(8, false);
        m_app->kavo_mode_changed_force(2, false);
        QTRY_COMPARE(checked(tray()["menu"].toArray()), QStringList{"&Dark"});
        QTRY_COMPARE(checked(submenu("Mode")), QStringList{"&Manual"});
    }

    void menuEntriesAndClicksControlKavo()
    {
        start({{"KavoMode", 1}});
        configure({{"tray_trigger", "&Paused"}});
        QTRY_COMPARE(m_app->settings_map().value("KavoMode").toInt(), 3);
        QVERIFY(m_app->is_kavo_paused());
        QCOMPARE(m_fixture->stored("KavoMode").toInt(), 3);

        configure({{"tray_trigger", "&Sunglasses"}});
        QTRY_COMPARE(m_app->settings_map().value("KavoType").toInt(), 7);
        QCOMPARE(m_fixture->stored("KavoType").toInt(), 7);

        configure({{"tray_trigger", "&Sunglasses"}, {"tray_activate", "middle_click"}});
        QTRY_COMPARE(m_app->settings_map().value("KavoMode").toInt(), 1);

        configure({{"tray_activate", "double_click"}});
        QTRY_VERIFY(m_app->isVisible());
    }

    void theAutoClickerStopsFromTheMenu()
    {
        start({});
        auto menu = [this] { return texts(tray()["menu"].toArray()); };
        QTRY_COMPARE(menu().mid(menu().size() - 2), (QStringList{"-", "Exit"}));
        m_app->start_mouse_clicking();
        QTRY_COMPARE(menu().mid(menu().size() - 3),
                     (QStringList{"-", "Stop auto clicker", "Exit"}));
        configure({{"tray_trigger", "Stop auto clicker"}});
        QTRY_VERIFY(!m_app->is_auto_clicker_running());
        QTRY_COMPARE(menu().mid(menu().size() - 2), (QStringList{"-", "Exit"}));
    }

    void pauserEntriesEditTheirList()
    {
        start({{"UseTimerPausers", true}, {"TimerPausers", "vlc.exe\nKMPlayer.exe\nvlc.exe"}});
        // A program that was in front is offered too.
        const QJsonObject gameInFront{
            {"processes", QJsonArray{QJsonObject{{"pid", 40}, {"name", "game.exe"}}}},
            {"foreground", 40}};
        configure(gameInFront);
        QTRY_COMPARE(texts(submenu("Timer pausers")),
                     (QStringList{"vlc.exe", "KMPlayer.exe", "game.exe"}));
        QCOMPARE(checked(submenu("Timer pausers")), (QStringList{"vlc.exe", "KMPlayer.exe"}));

        QSignalSpy published(m_app, &App::set_timer_pausers_list);
        configure(with(gameInFront, "tray_trigger", "vlc.exe"));
        QTRY_COMPARE(m_app->settings_map().value("TimerPausers").toString(),
                     QString("KMPlayer.exe"));
        QCOMPARE(published.last().first().toString(), QString("KMPlayer.exe"));
        QCOMPARE(m_fixture->stored("TimerPausers").toString(), QString("KMPlayer.exe"));

        configure(with(gameInFront, "tray_trigger", "game.exe"));
        QTRY_COMPARE(m_app->settings_map().value("TimerPausers").toString(),
                     QString("KMPlayer.exe\ngame.exe"));
        QTRY_COMPARE(checked(submenu("Timer pausers")), (QStringList{"KMPlayer.exe", "game.exe"}));
    }

    // Kavo reads its icons with Qt's PNG reader alone and premultiplies them itself: the
    // pixels are the ones Qt's own loading gives.
    void kavosImagesLoadAsQtReadsThem_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("normal") << TrayIcon::kNormalIcon;
        QTest::newRow("paused") << TrayIcon::kPausedIcon;
        QTest::newRow("starting") << TrayIcon::kStartingIcon;
        QTest::newRow("ghost") << TrayIcon::kGhostIcon;
        QTest::newRow("missing") << QStringLiteral(":/images/no_such_image.png");
    }

    void kavosImagesLoadAsQtReadsThem()
    {
        QFETCH(QString, path);
        register_kavo_resources();
        const QImage expected = QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QPixmap loaded = kavo_png(path);
        QCOMPARE(loaded.isNull(), expected.isNull());
        QCOMPARE(loaded.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), expected);
        QCOMPARE(kavo_png(path).cacheKey(), loaded.cacheKey());
    }

    void theSpinningIconTurnsAQuarterEachRefresh()
    {
        start({{"UseSpinningTrayIcon", true}});
        while (trayIcon().rotation_angle() != 360)
            m_app->refresh_tray_icon();
        for (int angle : {90, 180, 270, 360, 90}) {
            m_app->refresh_tray_icon();
            QCOMPARE(tray()["icon"].toString(),
                     TrayIcon::kNormalIcon + "?rotation=" + QString::number(angle));
        }
    }

    void theIconShowsTheState()
    {
        start({{"UseSpinningTrayIcon", false}});
        m_app->refresh_tray_icon();
        QCOMPARE(tray()["icon"].toString(), TrayIcon::kNormalIcon);
        m_app->pause_kavo(true);
        QCOMPARE(tray()["icon"].toString(), TrayIcon::kPausedIcon);
        m_app->pause_kavo(false);
        QCOMPARE(tray()["icon"].toString(), TrayIcon::kNormalIcon);

        // The ghost stays whatever happens.
        m_app->settings_map().insert("UseGhostIcon", true);
        m_app->refresh_tray_icon();
        QCOMPARE(tray()["icon"].toString(), TrayIcon::kGhostIcon);
        m_app->pause_kavo(true);
        m_app->create_ui();
        QCOMPARE(tray()["icon"].toString(), TrayIcon::kGhostIcon);
    }

    void theTooltipShowsTheColoursAndMessagesAreBalloons()
    {
        start();
        QTRY_VERIFY(tray()["tooltip"].toString().contains("K / "));
        m_app->show_tray_icon_message("Title", "Body\nline");
        const QJsonObject message = tray()["messages"].toArray().last().toObject();
        QCOMPARE(message["title"].toString(), QString("Title"));
        QCOMPARE(message["body"].toString(), QString("Body\nline"));
    }

    void closingTheWindowKeepsKavoInTheTray()
    {
        start();
        m_app->bring_to_front();
        QTRY_VERIFY(m_app->isVisible());
        m_app->close();
        QTRY_VERIFY(!m_app->isVisible());
        QVERIFY(m_app->tray_icon()->is_visible());
    }

    void withoutANotificationAreaTheIconIsNotVisible()
    {
        QJsonObject config = QJsonDocument::fromJson(AppFixture::kTwoMonitors).object();
        config.insert("system_tray", false);
        start({}, QJsonDocument(config).toJson());
        QVERIFY(!m_app->tray_icon()->is_visible());
        QVERIFY(!tray()["visible"].toBool());
    }

    void theTaskbarShowsAFullBarUnlessTheTimerCountsDown()
    {
        start({{"TimerType", 2}});
        QTRY_COMPARE(taskbar()["title"].toString(), QString("Kavo"));
        QJsonObject progress = taskbar()["progress"].toObject();
        QCOMPARE(progress["value"].toInt(), 100);
        QCOMPARE(progress["state"].toString(), QString("running"));
        m_app->pause_kavo(true);
        QCOMPARE(taskbar()["progress"].toObject()["state"].toString(), QString("paused"));
        QCOMPARE(taskbar()["actions"].toArray().size(), 3);
        QCOMPARE(taskbar()["actions"].toArray().first()["command"].toString(),
                 QString("toggle timer"));
    }

    void theCountdownSaysWhatComes_data()
    {
        QTest::addColumn<bool>("paused");
        QTest::addColumn<int>("work");
        QTest::addColumn<int>("rest");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("state");
        QTest::newRow("working") << false << 300 << 0 << "05:00 until rest" << 300 << 1200
                                 << "running";
        QTest::newRow("resting") << false << 0 << 15 << "00:15 until work" << 15 << 20 << "stopped";
        QTest::newRow("paused") << true << 300 << 0 << "Timer paused" << 300 << 1200 << "paused";
    }

    void theCountdownSaysWhatComes()
    {
        QFETCH(bool, paused);
        QFETCH(int, work);
        QFETCH(int, rest);
        QFETCH(QString, title);
        QFETCH(int, value);
        QFETCH(int, maximum);
        QFETCH(QString, state);
        start();
        QWidget window;
        TaskbarButton button(window, Platform::current().taskbar());
        TaskbarButton::TimerView timer;
        timer.exists = true;
        timer.timer_type = TaskbarButton::kProductiveTimerType;
        timer.paused = paused;
        timer.work_remaining = work;
        timer.rest_remaining = rest;
        timer.work_interval = 1200;
        timer.rest_interval = 20;
        timer.work_text = "05:00";
        timer.rest_text = "00:15";
        button.update(timer);
        QCOMPARE(window.windowTitle(), title);
        QCOMPARE(taskbar()["title"].toString(), title);
        const QJsonObject progress = taskbar()["progress"].toObject();
        QCOMPARE(progress["value"].toInt(), value);
        QCOMPARE(progress["maximum"].toInt(), maximum);
        QCOMPARE(progress["state"].toString(), state);

        timer.timer_type = 2;
        button.update(timer);
        QCOMPARE(window.windowTitle(), QString("Kavo"));
    }
};

QTEST_MAIN(TestTrayIcon)
#include "tst_tray_icon.moc"
