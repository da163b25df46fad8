// Global shortcuts through the desktop portal, against a stand-in portal on a private bus
// that answers from a thread of its own, as the portal would from its process.
#include "PrivateBus.h"
#include "platform/linux/PortalHotkeys.h"

#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QThread>
#include <QtTest>

namespace {
// org.freedesktop.portal.GlobalShortcuts as the test plays it: sessions and binds answered at
// once through the Request's Response, each bind reported to the test.
class FakeShortcutsPortal : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.GlobalShortcuts")
    Q_PROPERTY(uint version READ version)

public:
    uint version() const { return 1; }
    QString lastSession;

public slots:
    QDBusObjectPath CreateSession(const QVariantMap& options)
    {
        const QString sender = senderPart();
        lastSession = QStringLiteral("/org/freedesktop/portal/desktop/session/") + sender + '/' +
                      options.value(QStringLiteral("session_handle_token")).toString();
        return respond(options, {{QStringLiteral("session_handle"), lastSession}});
    }

    QDBusObjectPath BindShortcuts(const QDBusObjectPath& session,
                                  const QList<PortalShortcut>& shortcuts, const QString&,
                                  const QVariantMap& options)
    {
        QStringList bound;
        for (const PortalShortcut& shortcut : shortcuts)
            bound.append(shortcut.id + '=' +
                         shortcut.properties.value(QStringLiteral("preferred_trigger")).toString());
        emit boundForTest(session.path(), bound);
        return respond(options, {});
    }

    // Called by the test (queued): the user pressed `id`'s trigger.
    void press(const QString& session, const QString& id)
    {
        QDBusMessage signal = QDBusMessage::createSignal(
            QStringLiteral("/org/freedesktop/portal/desktop"),
            QStringLiteral("org.freedesktop.portal.GlobalShortcuts"), QStringLiteral("Activated"));
        signal << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(0)
               << QVariantMap();
        QDBusConnection(QStringLiteral("portal")).send(signal);
    }

signals:
    void boundForTest(const QString& session, const QStringList& shortcuts);

private:
    QString senderPart() const
    {
        QString sender = message().service().mid(1);
        return sender.replace('.', '_');
    }

    QDBusObjectPath respond(const QVariantMap& options, const QVariantMap& results)
    {
        const QString request = QStringLiteral("/org/freedesktop/portal/desktop/request/") +
                                senderPart() + '/' +
                                options.value(QStringLiteral("handle_token")).toString();
        QDBusMessage response = QDBusMessage::createSignal(
            request, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        response << 0u << results;
        connection().send(response);
        return QDBusObjectPath(request);
    }
};

// The portal's thread: its own connection, registered and torn down inside the thread.
class PortalThread : public QThread
{
    Q_OBJECT

public:
    explicit PortalThread(const QString& address) : m_address(address) {}
    FakeShortcutsPortal* portal = nullptr;

signals:
    void ready();

protected:
    void run() override
    {
        {
            QDBusConnection bus =
                QDBusConnection::connectToBus(m_address, QStringLiteral("portal"));
            FakeShortcutsPortal fake;
            portal = &fake;
            bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &fake,
                               QDBusConnection::ExportAllSlots |
                                   QDBusConnection::ExportAllProperties);
            bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
            emit ready();
            exec();
            bus.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
            portal = nullptr;
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    }

private:
    QString m_address;
};
} // namespace

class TestPortalHotkeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qDBusRegisterMetaType<PortalShortcut>();
        qDBusRegisterMetaType<QList<PortalShortcut>>();
    }

    void chordsInThePortalsNotation_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("trigger");
        QTest::newRow("letter") << int(Qt::Key_K) << int(Qt::ControlModifier | Qt::AltModifier)
                                << "ctrl-alt-k"
                                << "CTRL+ALT+k";
        QTest::newRow("function key")
            << int(Qt::Key_F10) << int(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)
            << "ctrl-alt-shift-f10"
            << "CTRL+ALT+SHIFT+F10";
        QTest::newRow("logo and digit") << int(Qt::Key_5) << int(Qt::MetaModifier) << "logo-5"
                                        << "LOGO+5";
        QTest::newRow("plus") << int(Qt::Key_Plus) << int(Qt::ControlModifier) << "ctrl-plus"
                              << "CTRL+plus";
    }

    void chordsInThePortalsNotation()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        const HotkeyChord chord{Qt::Key(key), Qt::KeyboardModifiers(modifiers)};
        QTEST(PortalHotkeys::shortcutId(chord), "id");
        QTEST(PortalHotkeys::trigger(chord), "trigger");
    }

    // A desktop with no portal, and one whose portal has no global shortcuts (GNOME 43's):
    // the shortcuts page says so, and no grab pretends to work.
    void withoutAPortalThatBindsShortcutsNothingIsOffered_data()
    {
        QTest::addColumn<bool>("portalRuns");
        QTest::newRow("no portal") << false;
        QTest::newRow("a portal without shortcuts") << true;
    }

    void withoutAPortalThatBindsShortcutsNothingIsOffered()
    {
        QFETCH(bool, portalRuns);
        PrivateBus bus;
        QVERIFY2(bus.start(), "dbus-daemon is installed by scripts/install-deps.sh");
        QDBusConnection desktop = bus.connect(QStringLiteral("desktop"));
        if (portalRuns)
            QVERIFY(desktop.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        PortalHotkeys hotkeys(bus.connect(QStringLiteral("kavo")));
        QVERIFY(!hotkeys.offered());
        QCOMPARE(hotkeys.grab({Qt::Key_K, Qt::ControlModifier}, [] {}), IHotkeys::Grab::NotOffered);
    }

    void boundShortcutsRunWhenThePortalActivatesThem()
    {
        PrivateBus bus;
        QVERIFY2(bus.start(), "dbus-daemon is installed by scripts/install-deps.sh");
        PortalThread thread(bus.address());
        QSignalSpy ready(&thread, &PortalThread::ready);
        thread.start();
        QTRY_COMPARE(ready.count(), 1);
        QSignalSpy binds(thread.portal, &FakeShortcutsPortal::boundForTest);

        PortalHotkeys hotkeys(bus.connect(QStringLiteral("kavo")));
        QSignalSpy bound(&hotkeys, &PortalHotkeys::bound);
        int pauses = 0;
        int breaks = 0;
        const HotkeyChord pause{Qt::Key_P, Qt::ControlModifier | Qt::AltModifier};
        const HotkeyChord rest{Qt::Key_F11, Qt::ControlModifier | Qt::AltModifier};
        QCOMPARE(hotkeys.grab(pause, [&pauses] { ++pauses; }), IHotkeys::Grab::Done);
        QCOMPARE(hotkeys.grab(rest, [&breaks] { ++breaks; }), IHotkeys::Grab::Done);
        QCOMPARE(hotkeys.grab(pause, [] {}), IHotkeys::Grab::TakenByKavo);

        // One bind for the grabs of one pass.
        QTRY_COMPARE(bound.count(), 1);
        QCOMPARE(binds.count(), 1);
        const QString session = binds.at(0).at(0).toString();
        QCOMPARE(binds.at(0).at(1).toStringList(),
                 (QStringList{"ctrl-alt-p=CTRL+ALT+p", "ctrl-alt-f11=CTRL+ALT+F11"}));

        QMetaObject::invokeMethod(thread.portal, [&thread, session] {
            thread.portal->press(session, QStringLiteral("ctrl-alt-f11"));
        });
        QTRY_COMPARE(breaks, 1);
        QCOMPARE(pauses, 0);
        // Another session's shortcut of the same id is not Kavo's.
        QMetaObject::invokeMethod(thread.portal, [&thread] {
            thread.portal->press(QStringLiteral("/org/freedesktop/portal/desktop/session/x/y"),
                                 QStringLiteral("ctrl-alt-p"));
        });
        QMetaObject::invokeMethod(thread.portal, [&thread, session] {
            thread.portal->press(session, QStringLiteral("ctrl-alt-p"));
        });
        QTRY_COMPARE(pauses, 1);

        // A released shortcut: the rest is bound again, in a new session.
        hotkeys.release(rest);
        QTRY_COMPARE(bound.count(), 2);
        QCOMPARE(binds.last().at(1).toStringList(), QStringList{"ctrl-alt-p=CTRL+ALT+p"});
        QVERIFY(binds.last().at(0).toString() != session);
        QMetaObject::invokeMethod(thread.portal, [&thread, session] {
            thread.portal->press(session, QStringLiteral("ctrl-alt-p"));
        });
        const QString now = binds.last().at(0).toString();
        QMetaObject::invokeMethod(thread.portal, [&thread, now] {
            thread.portal->press(now, QStringLiteral("ctrl-alt-p"));
        });
        QTRY_COMPARE(pauses, 2);

        thread.quit();
        thread.wait();
    }
};

QTEST_GUILESS_MAIN(TestPortalHotkeys)
#include "tst_portal_hotkeys.moc"
