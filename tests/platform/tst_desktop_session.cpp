// The session signals of a Linux desktop, sent on a private D-Bus by a stand-in for logind and
// a screensaver.
#include "platform/linux/DesktopSession.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kOurSession = QStringLiteral("/org/freedesktop/login1/session/_31");
const QString kOtherSession = QStringLiteral("/org/freedesktop/login1/session/_32");
} // namespace

// logind's manager as far as Kavo asks it: every process belongs to session "1".
class FakeLogin1 : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public slots:
    QDBusObjectPath GetSessionByPID(uint) { return QDBusObjectPath(kOurSession); }
};

class TestDesktopSession : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QProcess m_bus;
    QString m_address;
    FakeLogin1 m_login1;
    std::unique_ptr<DesktopSession> m_session;

    QDBusConnection services() { return QDBusConnection(QStringLiteral("services")); }

    void send(const QString& path, const QString& interface, const QString& name,
              const QVariantList& arguments = {})
    {
        QDBusMessage signal = QDBusMessage::createSignal(path, interface, name);
        signal.setArguments(arguments);
        QVERIFY(services().send(signal));
    }

    void prepareForSleep(bool sleeping)
    {
        send("/org/freedesktop/login1", "org.freedesktop.login1.Manager", "PrepareForSleep",
             {sleeping});
    }

    void sessionSignal(const QString& path, const QString& name)
    {
        send(path, "org.freedesktop.login1.Session", name);
    }

private slots:
    void initTestCase()
    {
        // A bus of the test's own on a socket in its own folder.
        m_bus.start("dbus-daemon",
                    {"--session", "--nofork", "--nopidfile",
                     "--address=unix:path=" + m_dir.filePath("bus"), "--print-address=1"});
        QVERIFY2(m_bus.waitForStarted(10000),
                 "dbus-daemon is installed by scripts/install-deps.sh");
        QTRY_VERIFY_WITH_TIMEOUT(m_bus.canReadLine(), 20000);
        m_address = QString::fromLatin1(m_bus.readLine()).trimmed();

        QDBusConnection services = QDBusConnection::connectToBus(m_address, "services");
        QVERIFY(services.isConnected());
        QVERIFY(services.registerService("org.freedesktop.login1"));
        QVERIFY(services.registerObject("/org/freedesktop/login1", &m_login1,
                                        QDBusConnection::ExportAllSlots));
        QDBusConnection kavo = QDBusConnection::connectToBus(m_address, "kavo");
        QVERIFY(kavo.isConnected());
        // The same bus stands for the system bus and the session bus.
        m_session = std::make_unique<DesktopSession>(kavo, kavo);
    }

    void cleanupTestCase()
    {
        m_session.reset();
        QDBusConnection::disconnectFromBus("kavo");
        QDBusConnection::disconnectFromBus("services");
        m_bus.terminate();
        m_bus.waitForFinished(10000);
    }

    void wakingFromSuspendIsAResume()
    {
        QSignalSpy resumed(m_session.get(), &ISession::resumed);
        prepareForSleep(true);
        prepareForSleep(false);
        QTRY_COMPARE(resumed.count(), 1);
    }

    void lockAndUnlockOfThisSession()
    {
        QSignalSpy locked(m_session.get(), &ISession::locked);
        QSignalSpy unlocked(m_session.get(), &ISession::unlocked);
        QSignalSpy resumed(m_session.get(), &ISession::resumed);
        // Kavo listens once logind has named its session: lock until it hears.
        QTRY_VERIFY((sessionSignal(kOurSession, "Lock"), locked.count() == 1));
        QVERIFY(m_session->isLocked());

        // Another user's session unlocking is no concern of Kavo's. The resume after it
        // arrives in order, so once it is heard the unlock has been too.
        sessionSignal(kOtherSession, "Unlock");
        prepareForSleep(false);
        QTRY_COMPARE(resumed.count(), 1);
        QVERIFY(m_session->isLocked());

        sessionSignal(kOurSession, "Unlock");
        QTRY_COMPARE(unlocked.count(), 1);
        QVERIFY(!m_session->isLocked());
    }

    void screensaverLocksAndUnlocks_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("interface");
        QTest::newRow("freedesktop") << "/org/freedesktop/ScreenSaver"
                                     << "org.freedesktop.ScreenSaver";
        QTest::newRow("GNOME") << "/org/gnome/ScreenSaver"
                               << "org.gnome.ScreenSaver";
    }

    void screensaverLocksAndUnlocks()
    {
        QFETCH(QString, path);
        QFETCH(QString, interface);
        QSignalSpy locked(m_session.get(), &ISession::locked);
        QSignalSpy unlocked(m_session.get(), &ISession::unlocked);
        send(path, interface, "ActiveChanged", {true});
        QTRY_COMPARE(locked.count(), 1);
        send(path, interface, "ActiveChanged", {false});
        QTRY_COMPARE(unlocked.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestDesktopSession)
#include "tst_desktop_session.moc"
