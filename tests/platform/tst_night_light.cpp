// The desktops' own night lights: kwinrc edited entry by entry, the user's own settings recorded
// and put back (after an exit, and after a crash by the next start), and the backlights, against
// small services on a private bus.
#include "FakeDesktopServices.h"
#include "PrivateBus.h"
#include "platform/wayland/DBusBacklights.h"
#include "platform/wayland/DesktopNightLights.h"
#include "platform/wayland/KConfigText.h"
#include "platform/wayland/KWinNightColour.h"
#include "platform/wayland/SafeFileWrite.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QByteArray kUserKwinrc = "[$Version]\n"
                               "update_info=kwin.upd:replace-scalein-with-scale\n"
                               "\n"
                               "[NightColor]\n"
                               "# warm in the evening\n"
                               "NightTemperature = 4200\n"
                               "Active=true\n"
                               "Mode=Times\n"
                               "EveningBeginFixed=2000\n"
                               "\n"
                               "[Windows]\n"
                               "BorderlessMaximizedWindows=true\n";

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

const KWinNightColour::Service kColorCorrect{QStringLiteral("org.kde.KWin"),
                                             QStringLiteral("/ColorCorrect"),
                                             QStringLiteral("org.kde.kwin.ColorCorrect")};
} // namespace

class TestNightLight : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PrivateBus> m_bus;
    std::unique_ptr<FakeServiceHost> m_services;
    QDBusConnection m_client{QString()};
    int m_connections = 0;

    QString kwinrc() const { return m_dir.filePath(QStringLiteral("config/kwinrc")); }
    QString record() const { return m_dir.filePath(QStringLiteral("kavo/own.json")); }

    std::unique_ptr<KWinNightColour> kwin(std::unique_ptr<IBacklight> backlight = {})
    {
        return std::make_unique<KWinNightColour>(m_client, kColorCorrect, kwinrc(), record(),
                                                 std::move(backlight));
    }

    static QString value(const QByteArray& text, const char* key)
    {
        const auto found = KConfigText(text).value("NightColor", key);
        return found ? QString::fromUtf8(*found) : QStringLiteral("(none)");
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.filePath(QStringLiteral("config")));
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toUtf8());
        m_bus = std::make_unique<PrivateBus>();
        QVERIFY(m_bus->start());
        const QString n = QString::number(++m_connections);
        m_services = std::make_unique<FakeServiceHost>(m_bus->connect(QStringLiteral("desk") + n));
        m_client = m_bus->connect(QStringLiteral("kavo") + n);
        QVERIFY(m_client.isConnected());
    }

    void cleanup()
    {
        m_services.reset();
        m_client = QDBusConnection(QString());
        m_bus.reset();
    }

    // ---- kwinrc, entry by entry ----

    void kconfigTextChangesOnlyItsEntries_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value"); // empty: removed
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("replaces, keeping the spacing")
            << QByteArray("[A]\nx=1\n\n[NightColor]\nMode = Times\nActive=true\n")
            << QByteArray("Mode") << QByteArray("Constant")
            << QByteArray("[A]\nx=1\n\n[NightColor]\nMode = Constant\nActive=true\n");
        QTest::newRow("adds at the end of the group, before the blank line")
            << QByteArray("[NightColor]\nActive=true\n\n[B]\ny=2\n") << QByteArray("Mode")
            << QByteArray("Constant")
            << QByteArray("[NightColor]\nActive=true\nMode=Constant\n\n[B]\ny=2\n");
        QTest::newRow("adds the group at the end")
            << QByteArray("[B]\ny=2") << QByteArray("Active") << QByteArray("true")
            << QByteArray("[B]\ny=2\n\n[NightColor]\nActive=true\n");
        QTest::newRow("to an empty file")
            << QByteArray() << QByteArray("Active") << QByteArray("true")
            << QByteArray("[NightColor]\nActive=true\n");
        QTest::newRow("every copy, so that no later one wins")
            << QByteArray("[NightColor]\nMode=Times\n[X]\n[NightColor]\nMode=Location\n")
            << QByteArray("Mode") << QByteArray("Constant")
            << QByteArray("[NightColor]\nMode=Constant\n[X]\n[NightColor]\nMode=Constant\n");
        QTest::newRow("leaves a localised entry and a subgroup alone")
            << QByteArray("[NightColor]\nMode[de]=Zeiten\n[NightColor][Sub]\nMode=Times\n")
            << QByteArray("Mode") << QByteArray("Constant")
            << QByteArray("[NightColor]\nMode[de]=Zeiten\nMode=Constant\n[NightColor][Sub]\n"
                          "Mode=Times\n");
        QTest::newRow("removes") << QByteArray("[NightColor]\r\nActive=true\r\nMode=Times\r\n")
                                 << QByteArray("Active") << QByteArray()
                                 << QByteArray("[NightColor]\r\nMode=Times\r\n");
        QTest::newRow("a comment that looks like the entry stays")
            << QByteArray("[NightColor]\n#Mode=Times\n") << QByteArray("Mode")
            << QByteArray("Constant") << QByteArray("[NightColor]\n#Mode=Times\nMode=Constant\n");
    }

    void kconfigTextChangesOnlyItsEntries()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, after);
        KConfigText text(before);
        text.setValue("NightColor", key,
                      value.isEmpty() ? std::nullopt : std::optional<QByteArray>(value));
        QCOMPARE(text.text(), after);
        if (!value.isEmpty())
            QCOMPARE(text.value("NightColor", key), std::optional<QByteArray>(value));
    }

    void kconfigTextDropsAGroupItEmptied()
    {
        KConfigText text(QByteArray("[A]\nx=1\n"));
        text.setValue("NightColor", "Active", QByteArray("true"));
        text.setValue("NightColor", "Active", std::nullopt);
        text.removeGroupIfEmpty("NightColor");
        QCOMPARE(text.text(), QByteArray("[A]\nx=1\n"));
    }

    // ---- files of the user's ----

    void writesNeverGoThroughALink()
    {
        const QString target = m_dir.filePath(QStringLiteral("elsewhere"));
        writeFile(target, "[NightColor]\nActive=false\n");
        QVERIFY(QFile::link(target, kwinrc()));
        QByteArray bytes;
        QString problem;
        QVERIFY(!SafeFileWrite::read(kwinrc(), bytes, &problem));
        QVERIFY(problem.contains(QStringLiteral("symbolic link")));
        QVERIFY(!SafeFileWrite::replace(kwinrc(), "x", &problem));

        auto light = kwin();
        QVERIFY(!light->setTemperature(3400));
        QCOMPARE(readFile(target), QByteArray("[NightColor]\nActive=false\n"));
        QVERIFY(!QFile::exists(record()));
    }

    void replacedFileKeepsItsPermissions()
    {
        writeFile(kwinrc(), "[A]\n");
        QFile::setPermissions(kwinrc(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QVERIFY(SafeFileWrite::replace(kwinrc(), "[B]\n"));
        const QFile::Permissions ownerGroupOther(0x7077);
        QCOMPARE(QFile::permissions(kwinrc()) & ownerGroupOther,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        QCOMPARE(readFile(kwinrc()), QByteArray("[B]\n"));
    }

    // ---- KWin's night colour ----

    void kwinHoldsTheTemperatureAndGivesTheUserSettingsBack_data()
    {
        QTest::addColumn<QByteArray>("own");
        QTest::addColumn<bool>("exists");
        QTest::newRow("the user's own night colour") << kUserKwinrc << true;
        QTest::newRow("no night colour group") << QByteArray("[Windows]\nX=1\n") << true;
        QTest::newRow("no kwinrc at all") << QByteArray() << false;
    }

    void kwinHoldsTheTemperatureAndGivesTheUserSettingsBack()
    {
        QFETCH(QByteArray, own);
        QFETCH(bool, exists);
        if (exists)
            writeFile(kwinrc(), own);
        KConfigNotifications notifications;
        QVERIFY(notifications.listenOn(
            m_bus->connect(QStringLiteral("listener") + QString::number(m_connections))));

        auto light = kwin();
        QVERIFY(light->setTemperature(3400));
        QByteArray shown = readFile(kwinrc());
        QCOMPARE(value(shown, "Active"), QStringLiteral("true"));
        QCOMPARE(value(shown, "Mode"), QStringLiteral("Constant"));
        QCOMPARE(value(shown, "NightTemperature"), QStringLiteral("3400"));
        if (exists)
            QVERIFY(shown.contains(own.mid(own.lastIndexOf('['))));
        QTRY_COMPARE(notifications.received.size(), 1);
        QCOMPARE(notifications.received[0].value(QStringLiteral("NightColor")).contains("Mode"),
                 true);

        // A glide's steps, the last one always; above KWin's range night colour goes off.
        for (int kelvin = 3390; kelvin >= 3300; kelvin -= 10)
            QVERIFY(light->setTemperature(kelvin));
        QTRY_COMPARE(value(readFile(kwinrc()), "NightTemperature"), QStringLiteral("3300"));
        QVERIFY(light->setTemperature(7000));
        QTRY_COMPARE(value(readFile(kwinrc()), "Active"), QStringLiteral("false"));
        QVERIFY(light->setTemperature(500));
        QTRY_COMPARE(value(readFile(kwinrc()), "NightTemperature"), QStringLiteral("1000"));
        QTRY_COMPARE(value(readFile(kwinrc()), "Active"), QStringLiteral("true"));
        const int changes = notifications.received.size();

        light->restore();
        QCOMPARE(readFile(kwinrc()), own);
        QCOMPARE(QFile::exists(kwinrc()), exists);
        QVERIFY(!QFile::exists(record()));
        // The last change's own notice may still be on its way over the bus when the changes
        // are counted: the restore's notice is at least one more.
        QTRY_VERIFY(notifications.received.size() >= changes + 1);
    }

    void afterACrashTheNextStartGivesTheUserSettingsBack()
    {
        writeFile(kwinrc(), kUserKwinrc);
        {
            auto crashed = kwin();
            QVERIFY(crashed->setTemperature(2800));
        } // ends without restoring, as a killed Kavo does
        QCOMPARE(value(readFile(kwinrc()), "NightTemperature"), QStringLiteral("2800"));

        // The next Kavo changes the colours before it restores: the record stays the user's.
        auto next = kwin();
        QVERIFY(next->setTemperature(3000));
        next->restore();
        QCOMPARE(readFile(kwinrc()), kUserKwinrc);

        {
            auto crashed = kwin();
            QVERIFY(crashed->setTemperature(2800));
        }
        kwin()->restore();
        QCOMPARE(readFile(kwinrc()), kUserKwinrc);
    }

    void recordPutBackElsewhereIsTakenAfresh()
    {
        writeFile(kwinrc(), kUserKwinrc);
        auto light = kwin();
        QVERIFY(light->setTemperature(3400));
        kwin()->restore(); // "kavoctl reset", while Kavo runs
        QCOMPARE(readFile(kwinrc()), kUserKwinrc);
        QByteArray changed = kUserKwinrc;
        changed.replace("NightTemperature = 4200", "NightTemperature = 3900");
        writeFile(kwinrc(), changed); // the user picks another night colour
        QVERIFY(light->setTemperature(3000));
        light->restore();
        QCOMPARE(readFile(kwinrc()), changed);
    }

    void userChangesOutsideTheGroupSurviveTheRestore()
    {
        writeFile(kwinrc(), kUserKwinrc);
        auto light = kwin();
        QVERIFY(light->setTemperature(3400));
        QByteArray changed = readFile(kwinrc());
        changed.replace("BorderlessMaximizedWindows=true", "BorderlessMaximizedWindows=false");
        writeFile(kwinrc(), changed);
        light->restore();
        QByteArray expected = kUserKwinrc;
        expected.replace("BorderlessMaximizedWindows=true", "BorderlessMaximizedWindows=false");
        QCOMPARE(readFile(kwinrc()), expected);
    }

    void unwritableRecordMeansNoChange()
    {
        writeFile(kwinrc(), kUserKwinrc);
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("kavo"))));
        QVERIFY(QFile::link(m_dir.filePath(QStringLiteral("nowhere")), record()));
        auto light = kwin();
        QVERIFY(!light->setTemperature(3400));
        QCOMPARE(readFile(kwinrc()), kUserKwinrc);
    }

    // ---- the desktop's choice ----

    void detectFindsKWinOnlyWhereItIs()
    {
        qputenv("XDG_CURRENT_DESKTOP", "KDE");
        QVERIFY(!DesktopNightLights::detect(m_client));
        m_services->add<FakeColorCorrect>(QStringLiteral("org.kde.KWin"),
                                          QStringLiteral("/ColorCorrect"));
        const auto light = DesktopNightLights::detect(m_client);
        QVERIFY(light);
        QCOMPARE(light->route(), QStringLiteral("kwin-night-colour"));
        QCOMPARE(light->hasBrightness(), false);
    }

    // ---- backlights ----

    void plasma5BacklightIsRecordedAndRestored()
    {
        writeFile(kwinrc(), kUserKwinrc);
        auto* control = m_services->add<FakeBrightnessControl>(
            QStringLiteral("org.kde.Solid.PowerManagement"),
            QStringLiteral("/org/kde/Solid/PowerManagement/Actions/BrightnessControl"));
        control->maximum = 937;
        control->level = 700;
        auto backlight = DBusBacklights::plasma(m_client);
        QVERIFY(backlight);
        auto light = kwin(std::move(backlight));
        QVERIFY(light->hasBrightness());
        QVERIFY(light->setBrightness(50));
        QCOMPARE(control->level.load(), 469);
        QVERIFY(light->setBrightness(100));
        QCOMPARE(control->level.load(), 937);
        light->restore();
        QCOMPARE(control->level.load(), 700);
    }

    void plasma6BacklightDrivesEveryDisplay()
    {
        auto* root =
            m_services->add<FakeScreenBrightness>(QStringLiteral("org.kde.ScreenBrightness"),
                                                  QStringLiteral("/org/kde/ScreenBrightness"));
        root->names = QStringList{QStringLiteral("display0"), QStringLiteral("display1")};
        auto* first = m_services->add<FakeBrightnessDisplay>(
            QStringLiteral("org.kde.ScreenBrightness"),
            QStringLiteral("/org/kde/ScreenBrightness/display0"));
        auto* second = m_services->add<FakeBrightnessDisplay>(
            QStringLiteral("org.kde.ScreenBrightness"),
            QStringLiteral("/org/kde/ScreenBrightness/display1"));
        first->maximum = 10000;
        first->level = 8000;
        second->maximum = 100;
        second->level = 30;
        auto light = kwin(DBusBacklights::plasma(m_client));
        QVERIFY(light->hasBrightness());
        QVERIFY(light->setBrightness(40));
        QCOMPARE(first->level.load(), 4000);
        QCOMPARE(second->level.load(), 40);
        QCOMPARE(first->lastFlags.load(), 1u); // no on-screen indicator
        light->restore();
        QCOMPARE(first->level.load(), 8000);
        QCOMPARE(second->level.load(), 30);
    }

    void gnomeBacklightIsAPercentage()
    {
        auto* screen = m_services->add<FakeGnomePowerScreen>(
            QStringLiteral("org.gnome.SettingsDaemon.Power"),
            QStringLiteral("/org/gnome/SettingsDaemon/Power"));
        screen->level = -1;
        QVERIFY(!DBusBacklights::gnome(m_client)); // -1: no backlight
        screen->level = 65;
        auto backlight = DBusBacklights::gnome(m_client);
        QVERIFY(backlight);
        const QJsonObject own = backlight->levels();
        QVERIFY(backlight->setPercent(20));
        QCOMPARE(screen->level.load(), 20);
        QVERIFY(backlight->restoreLevels(own));
        QCOMPARE(screen->level.load(), 65);
    }

    void mutterBacklightTakesTheSerialAndTheRange()
    {
        auto* mutter = m_services->add<FakeMutterDisplayConfig>(
            QStringLiteral("org.gnome.Mutter.DisplayConfig"),
            QStringLiteral("/org/gnome/Mutter/DisplayConfig"));
        QVERIFY(!DBusBacklights::gnome(m_client)); // no monitor with a backlight
        QMetaObject::invokeMethod(
            mutter, [mutter] { mutter->addMonitor(QStringLiteral("eDP-1"), 10, 110, 90); },
            Qt::BlockingQueuedConnection);
        auto backlight = DBusBacklights::gnome(m_client);
        QVERIFY(backlight);
        const QJsonObject own = backlight->levels();
        QCOMPARE(own.value(QStringLiteral("eDP-1")).toInt(), 90);
        QVERIFY(backlight->setPercent(50));
        QCOMPARE(mutter->value(QStringLiteral("eDP-1")), 60);
        QVERIFY(backlight->setPercent(100));
        QCOMPARE(mutter->value(QStringLiteral("eDP-1")), 110);
        QVERIFY(backlight->restoreLevels(own));
        QCOMPARE(mutter->value(QStringLiteral("eDP-1")), 90);
    }

    void noBacklightServiceNoBrightness()
    {
        QVERIFY(!DBusBacklights::plasma(m_client));
        QVERIFY(!DBusBacklights::gnome(m_client));
        auto light = kwin();
        QVERIFY(!light->hasBrightness());
        QVERIFY(!light->setBrightness(50));
    }
};

QTEST_GUILESS_MAIN(TestNightLight)
#include "tst_night_light.moc"
