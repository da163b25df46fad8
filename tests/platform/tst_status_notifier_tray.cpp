// Kavo's tray icon where the desktop hosts StatusNotifierItems (KDE Plasma, waybar and other
// panels on Wayland): on a private session bus with a watcher of the test's own, the icon in
// its own process under Xvfb registers as an item, exports its tooltip, title and menu, and
// its activations do what the clicks do on an X11 tray.
#include "PrivateBus.h"
#include "XvfbServer.h"

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kItem = QStringLiteral("org.kde.StatusNotifierItem");
// The holder starts Qt on a loaded machine.
constexpr int kStartMs = 60000;

// The labels of a com.canonical.dbusmenu layout (id, properties, children), depth first.
void collectLabels(const QDBusArgument& item, QStringList& labels)
{
    int id = 0;
    QVariantMap properties;
    item.beginStructure();
    item >> id >> properties;
    if (properties.contains(QStringLiteral("label")))
        labels << properties.value(QStringLiteral("label")).toString();
    item.beginArray();
    while (!item.atEnd()) {
        QDBusVariant child;
        item >> child;
        collectLabels(qvariant_cast<QDBusArgument>(child.variant()), labels);
    }
    item.endArray();
    item.endStructure();
}

// The title of an item's tooltip (icon name, icon pixmaps, title, text).
QString toolTipTitle(const QDBusArgument& toolTip)
{
    QString icon;
    QString title;
    QString text;
    toolTip.beginStructure();
    toolTip >> icon;
    toolTip.beginArray();
    while (!toolTip.atEnd()) {
        int width = 0;
        int height = 0;
        QByteArray pixels;
        toolTip.beginStructure();
        toolTip >> width >> height >> pixels;
        toolTip.endStructure();
    }
    toolTip.endArray();
    toolTip >> title >> text;
    toolTip.endStructure();
    return title;
}
} // namespace

// The panel's side: a watcher with a host, which keeps the items that register.
class StatusNotifierWatcher : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)

public:
    explicit StatusNotifierWatcher(QObject* parent) : QDBusAbstractAdaptor(parent) {}

    QStringList items() const { return m_items; }
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

public slots:
    // An item names its bus name, or only its object path on the caller's connection.
    void RegisterStatusNotifierItem(const QString& service, const QDBusMessage& message)
    {
        const QString item = service.startsWith(QLatin1Char('/'))
                                 ? message.service() + service
                                 : service + QStringLiteral("/StatusNotifierItem");
        m_items << item;
        emit StatusNotifierItemRegistered(item);
    }
    void RegisterStatusNotifierHost(const QString&) {}

signals:
    void StatusNotifierItemRegistered(const QString& item);
    void StatusNotifierItemUnregistered(const QString& item);
    void StatusNotifierHostRegistered();

private:
    QStringList m_items;
};

class TestStatusNotifierTray : public QObject
{
    Q_OBJECT

private:
    XvfbServer m_xvfb;
    PrivateBus m_bus;
    QTemporaryDir m_runtime;
    QDBusConnection m_desktop{QString()};
    QObject m_watcherObject;
    StatusNotifierWatcher* m_watcher = nullptr;
    QProcess m_holder;
    QString m_service;
    QString m_path;

    QDBusMessage callItem(const QString& interface, const QString& method,
                          const QVariantList& arguments, const QString& path = QString())
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
            m_service, path.isEmpty() ? m_path : path, interface, method);
        call.setArguments(arguments);
        return m_desktop.call(call);
    }

    QVariantMap itemProperties()
    {
        const QDBusMessage reply = callItem(QStringLiteral("org.freedesktop.DBus.Properties"),
                                            QStringLiteral("GetAll"), {kItem});
        if (reply.type() != QDBusMessage::ReplyMessage)
            return {};
        return qdbus_cast<QVariantMap>(reply.arguments().value(0));
    }

    // The next line the holder prints, once it comes. The watcher answers the holder
    // meanwhile: the wait runs the event loop.
    QByteArray nextLine()
    {
        const bool said = QTest::qWaitFor(
            [this] { return m_holder.canReadLine() || m_holder.state() == QProcess::NotRunning; },
            kStartMs);
        return said ? m_holder.readLine().trimmed() : QByteArray("(nothing)");
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_xvfb.start(QStringLiteral("640x480x24")),
                 "Xvfb is installed by scripts/install-deps.sh");
        QVERIFY(m_bus.start());
        QVERIFY(m_runtime.isValid());
        m_desktop = m_bus.connect(QStringLiteral("desktop"));
        m_watcher = new StatusNotifierWatcher(&m_watcherObject);
        QVERIFY(m_desktop.registerObject(QStringLiteral("/StatusNotifierWatcher"), &m_watcherObject,
                                         QDBusConnection::ExportAdaptors));
        QVERIFY(m_desktop.registerService(kWatcher));
        QSignalSpy registered(m_watcher, &StatusNotifierWatcher::StatusNotifierItemRegistered);

        // Qt's own choice of tray, as on a user's desktop: no platform theme forced.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name :
             {"QT_QPA_PLATFORMTHEME", "WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP", "KAVO_PLATFORM"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), m_xvfb.display());
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus.address());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        m_holder.setProcessEnvironment(environment);
        m_holder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_holder.start(QStringLiteral(TRAY_HOLDER), QStringList());
        QVERIFY(m_holder.waitForStarted(kStartMs));
        QCOMPARE(nextLine(), QByteArray("available"));

        QTRY_COMPARE_WITH_TIMEOUT(registered.count(), 1, kStartMs);
        const QString item = registered.first().first().toString();
        const int slash = item.indexOf(QLatin1Char('/'));
        m_service = item.left(slash);
        m_path = item.mid(slash);
    }

    void cleanupTestCase()
    {
        m_holder.terminate();
        if (!m_holder.waitForFinished(30000))
            m_holder.kill();
        m_holder.waitForFinished(30000);
    }

    void theIconRegistersAsAnItemOfItsProcess()
    {
        QCOMPARE(m_watcher->items().size(), 1);
        const QDBusReply<uint> pid = m_desktop.interface()->servicePid(m_service);
        QVERIFY2(pid.isValid(), qPrintable(m_service));
        QCOMPARE(qint64(pid.value()), m_holder.processId());
    }

    void itsTooltipTitleAndMenuAreExported()
    {
        const QVariantMap properties = itemProperties();
        QVERIFY2(!properties.isEmpty(), qPrintable(m_service + m_path));
        QCOMPARE(properties.value(QStringLiteral("Title")).toString(), QStringLiteral("Kavo"));
        QCOMPARE(properties.value(QStringLiteral("Status")).toString(), QStringLiteral("Active"));
        QCOMPARE(toolTipTitle(qvariant_cast<QDBusArgument>(properties.value("ToolTip"))),
                 QStringLiteral("4500 K, 80 %"));

        const QString menu = qvariant_cast<QDBusObjectPath>(properties.value("Menu")).path();
        QVERIFY2(!menu.isEmpty() && menu != QLatin1String("/NO_DBUSMENU"), qPrintable(menu));
        const QDBusMessage layout =
            callItem(QStringLiteral("com.canonical.dbusmenu"), QStringLiteral("GetLayout"),
                     {0, -1, QStringList()}, menu);
        QCOMPARE(layout.type(), QDBusMessage::ReplyMessage);
        QStringList labels;
        collectLabels(qvariant_cast<QDBusArgument>(layout.arguments().value(1)), labels);
        QCOMPARE(labels.filter(QRegularExpression(QStringLiteral("\\S"))),
                 QStringList({QStringLiteral("Settings"), QStringLiteral("Exit")}));
    }

    // A panel's click calls Activate: Kavo opens its window, as a double click does on an X11
    // tray. A middle click changes the mode there and here.
    void activatingTheItemDoesWhatAClickDoesOnX11_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QByteArray>("reported");
        QTest::newRow("click") << "Activate" << QByteArray("double-click");
        QTest::newRow("middle click") << "SecondaryActivate" << QByteArray("middle-click");
    }

    void activatingTheItemDoesWhatAClickDoesOnX11()
    {
        QFETCH(QString, method);
        QFETCH(QByteArray, reported);
        const QDBusMessage reply = callItem(kItem, method, {10, 10});
        QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
        QCOMPARE(nextLine(), reported);
    }
};

QTEST_GUILESS_MAIN(TestStatusNotifierTray)
#include "tst_status_notifier_tray.moc"
