// The platform services of the break timer: the session lock (simulated, and through D-Bus on
// a private session bus), the keyboard grab and the sounds of the simulated desktop.
#include "KavoResources.h"
#include "platform/linux/DesktopSession.h"
#include "platform/linux/QtSounds.h"
#include "platform/sim/SimDesktop.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>
#include <QtTest>

#include <cstdio>

class TestBreakServices : public QObject
{
    Q_OBJECT

public:
    // A session bus of the test's own, before Qt first connects to one (the application
    // object may already do so).
    bool startSessionBus()
    {
        m_bus.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
        if (!m_bus.waitForStarted(10000))
            return false;
        while (!m_bus.canReadLine() && m_bus.waitForReadyRead(10000)) {
        }
        if (!m_bus.canReadLine())
            return false;
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
        // No system bus: logind is left out, as on a desktop without it.
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + m_dir.filePath("no-bus").toUtf8());
        return true;
    }

    ~TestBreakServices() override
    {
        m_bus.kill();
        m_bus.waitForFinished(10000);
    }

private:
    QTemporaryDir m_dir;
    QProcess m_bus;

    void writeConfig(const QByteArray& json)
    {
        QSaveFile file(m_dir.filePath("desktop.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(json);
        QVERIFY(file.commit());
    }

    bool sendScreenSaverActive(bool active)
    {
        QProcess send;
        send.start("dbus-send", {"--session", "--type=signal", "/org/freedesktop/ScreenSaver",
                                 "org.freedesktop.ScreenSaver.ActiveChanged",
                                 active ? "boolean:true" : "boolean:false"});
        return send.waitForFinished(10000) && send.exitCode() == 0;
    }

private slots:
    void theSimulatedSessionLocksFromItsConfig()
    {
        writeConfig("{}");
        SimDesktop desktop(m_dir.filePath("desktop.json"), QString());
        QSignalSpy locked(&desktop.session(), &ISession::locked);
        QSignalSpy unlocked(&desktop.session(), &ISession::unlocked);
        writeConfig(R"({"session": {"locked": true}})");
        desktop.reloadConfig();
        QCOMPARE(locked.count(), 1);
        QVERIFY(desktop.session().isLocked());
        QCOMPARE(desktop.state()["session"].toObject()["locked"].toBool(), true);
        writeConfig(R"({"session": {"locked": true}, "clock": {"now": 0}})");
        desktop.reloadConfig(); // still locked: no second signal
        QCOMPARE(locked.count(), 1);
        writeConfig(R"({"session": {"locked": false}})");
        desktop.reloadConfig();
        QCOMPARE(unlocked.count(), 1);
        QVERIFY(!desktop.session().isLocked());
    }

    void theSimulatedDesktopRecordsGrabsAndSounds()
    {
        SimDesktop desktop{QString(), QString()};
        QWidget window;
        QCOMPARE(desktop.state()["keyboard_grabbed"].toBool(), false);
        desktop.keyboardGrab().grab(window);
        QCOMPARE(desktop.state()["keyboard_grabbed"].toBool(), true);
        desktop.keyboardGrab().release();
        QCOMPARE(desktop.state()["keyboard_grabbed"].toBool(), false);

        desktop.sounds().play("bip", false);
        QVERIFY(!desktop.sounds().isPlaying("bip"));
        desktop.sounds().play("tick-tock", true);
        QVERIFY(desktop.sounds().isPlaying("tick-tock"));
        desktop.sounds().stop("tick-tock");
        QVERIFY(!desktop.sounds().isPlaying("tick-tock"));
        QCOMPARE(desktop.state()["sounds"].toArray(), QJsonArray({"bip", "tick-tock"}));
        for (int i = 0; i < SimSounds::kKept + 10; ++i)
            desktop.sounds().play("bip", false);
        QCOMPARE(desktop.state()["sounds"].toArray().size(), SimSounds::kKept);
    }

    // Kavo's own sounds are in its resources, as the WAV files Qt Multimedia plays.
    void theSoundsAreThere_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("bip") << "bip";
        QTest::newRow("tick-tock") << "tick-tock";
    }

    void theSoundsAreThere()
    {
        QFETCH(QString, name);
        register_kavo_resources();
        QFile sound(QUrl(QtSounds::resourceUrl(name)).toString().replace("qrc:", ":"));
        QVERIFY2(sound.open(QIODevice::ReadOnly), qPrintable(sound.fileName()));
        const QByteArray header = sound.read(44);
        QVERIFY(header.startsWith("RIFF") && header.mid(8, 8) == "WAVEfmt ");
        QVERIFY(sound.size() > 1000);
    }

    void theScreenSaverLocksTheSession()
    {
        DesktopSession session(QDBusConnection::systemBus(), QDBusConnection::sessionBus());
        QSignalSpy locked(&session, &ISession::locked);
        QSignalSpy unlocked(&session, &ISession::unlocked);
        // The match rule reaches the bus asynchronously: send until the first one arrives.
        for (int tries = 0; tries < 40 && locked.isEmpty(); ++tries) {
            QVERIFY(sendScreenSaverActive(true));
            locked.wait(500);
        }
        QCOMPARE(locked.count(), 1);
        QVERIFY(session.isLocked());
        QVERIFY(sendScreenSaverActive(true)); // told twice: one lock
        QVERIFY(sendScreenSaverActive(false));
        QTRY_COMPARE_WITH_TIMEOUT(unlocked.count(), 1, 10000);
        QCOMPARE(locked.count(), 1);
        QVERIFY(!session.isLocked());
    }
};

int main(int argc, char* argv[])
{
    TestBreakServices test;
    if (!test.startSessionBus()) {
        std::fprintf(stderr, "dbus-daemon did not start (scripts/install-deps.sh installs it)\n");
        return 1;
    }
    QApplication application(argc, argv);
    return QTest::qExec(&test, argc, argv);
}
#include "tst_break_services.moc"
