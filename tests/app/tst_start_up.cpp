// What Kavo decides before it starts: the command-line requests that print and end, whether
// its display can be reached, and whether it is an installed copy that may register itself
// with the session.
#include "CommandLine.h"
#include "DisplayCheck.h"
#include "InstallLocation.h"
#include "StartOnStartup.h"
#include "XvfbServer.h"
#include "platform/sim/SimDesktop.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
bool touch(const QString& file)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    return out.open(QIODevice::WriteOnly);
}

// Sets an environment variable for one scope.
class ScopedVariable
{
public:
    ScopedVariable(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedVariable()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};
} // namespace

class TestStartUp : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Kavo"));
        QVERIFY(touch(path("installed/bin/kavo")));
        QVERIFY(touch(path("installed/share/applications/com.velmora.Kavo.desktop")));
        QVERIFY(touch(path("build/src/kavo")));
        QVERIFY(touch(path("no-entry/bin/kavo")));
        QVERIFY(touch(path("not-bin/libexec/kavo")));
        QVERIFY(touch(path("not-bin/share/applications/com.velmora.Kavo.desktop")));
        QVERIFY(QFile::link(path("installed/bin/kavo"), path("linked-kavo")));
    }

    void requests_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("request");
        using Request = CommandLine::Request;
        QTest::newRow("nothing") << QStringList{} << int(Request::Run);
        QTest::newRow("a command") << QStringList{"kavo:open-settings-page"} << int(Request::Run);
        QTest::newRow("--help") << QStringList{"--help"} << int(Request::Help);
        QTest::newRow("-h") << QStringList{"-h"} << int(Request::Help);
        QTest::newRow("--version") << QStringList{"--version"} << int(Request::Version);
        QTest::newRow("help after a command")
            << QStringList{"open", "--help"} << int(Request::Help);
        QTest::newRow("help wins over version")
            << QStringList{"--version", "-h"} << int(Request::Help);
        QTest::newRow("a command that mentions help")
            << QStringList{"open help page"} << int(Request::Run);
    }

    void requests()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, request);
        QCOMPARE(int(CommandLine::request(arguments)), request);
    }

    void nativeMessagingIsTheFirstArgument()
    {
        QVERIFY(CommandLine::is_native_messaging({"", "-native-messaging"}));
        QVERIFY(!CommandLine::is_native_messaging({"open", "-native-messaging"}));
        QVERIFY(CommandLine::help_text().contains("KAVO_PLATFORM=sim"));
        QCOMPARE(CommandLine::version_text(), QString("Kavo " KAVO_VERSION "\n"));
    }

    void installedCopies_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("installed");
        QTest::newRow("prefix with its entry") << "installed/bin/kavo" << true;
        QTest::newRow("a link to it") << "linked-kavo" << true;
        QTest::newRow("build folder") << "build/src/kavo" << false;
        QTest::newRow("bin without the entry") << "no-entry/bin/kavo" << false;
        QTest::newRow("not in bin") << "not-bin/libexec/kavo" << false;
        QTest::newRow("missing") << "nowhere/bin/kavo" << false;
    }

    void installedCopies()
    {
        QFETCH(QString, program);
        QFETCH(bool, installed);
        QCOMPARE(InstallLocation::is_installed(path(program)), installed);
    }

    void onlyAnInstalledKavoRegistersWithTheSession()
    {
        SimDesktop sim{QString(), QString()};
        IRegistry& registry = sim.registry();
        const QString installed = QDir(path("installed/bin")).canonicalPath() + "/kavo";

        set_start_on_startup(registry, path("build/src/kavo"), true);
        QVERIFY(registry.startupProgram("Kavo").isEmpty());

        set_start_on_startup(registry, installed, true);
        QCOMPARE(registry.startupProgram("Kavo"), installed);
        QCOMPARE(
            sim.state()["registry"]
                .toObject()["HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run"]
                .toObject()["Kavo"]
                .toString(),
            "\"" + installed + "\"");

        // A build-folder Kavo leaves the installed one's entry as it is, either way.
        set_start_on_startup(registry, path("build/src/kavo"), false);
        QCOMPARE(registry.startupProgram("Kavo"), installed);

        set_start_on_startup(registry, installed, false);
        QVERIFY(registry.startupProgram("Kavo").isEmpty());
    }

    void unreachableDisplayIsSaidInOneLine_data()
    {
        QTest::addColumn<QByteArray>("display");
        QTest::newRow("no DISPLAY") << QByteArray();
        QTest::newRow("no server there") << QByteArray(":4711");
    }

    void unreachableDisplayIsSaidInOneLine()
    {
        QFETCH(QByteArray, display);
        const ScopedVariable qpa("QT_QPA_PLATFORM", QByteArray());
        const ScopedVariable platform("KAVO_PLATFORM", QByteArray());
        const ScopedVariable x("DISPLAY", display);
        const ScopedVariable noWayland("WAYLAND_DISPLAY", QByteArray());
        const QString problem = DisplayCheck::prepare({});
        QVERIFY(problem.contains("KAVO_PLATFORM=sim"));
        QVERIFY(problem.contains("no Wayland display"));
        QVERIFY(!problem.contains('\n'));
        if (!display.isEmpty())
            QVERIFY(problem.contains(QString::fromLatin1(display)));

        // The simulated desktop needs no display: Qt runs offscreen instead.
        const ScopedVariable sim("KAVO_PLATFORM", "sim");
        QVERIFY(DisplayCheck::prepare({}).isEmpty());
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("offscreen"));
    }

    // On X11 Qt paints without the shared memory that makes every repaint of the tray icon
    // wait for the server; a value the user set stays, and nothing is set for other displays.
    void anX11DisplayPaintsWithoutSharedMemory_data()
    {
        QTest::addColumn<bool>("answers");
        QTest::addColumn<QByteArray>("userValue");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("answering display") << true << QByteArray() << QByteArray("1");
        QTest::newRow("the user's own value") << true << QByteArray("0") << QByteArray("0");
        QTest::newRow("no server there") << false << QByteArray() << QByteArray();
    }

    void anX11DisplayPaintsWithoutSharedMemory()
    {
        QFETCH(bool, answers);
        QFETCH(QByteArray, userValue);
        QFETCH(QByteArray, expected);
        XvfbServer xvfb;
        if (answers)
            QVERIFY(xvfb.start(QStringLiteral("640x480x24")));
        const ScopedVariable qpa("QT_QPA_PLATFORM", QByteArray());
        const ScopedVariable platform("KAVO_PLATFORM", QByteArray());
        const ScopedVariable noWayland("WAYLAND_DISPLAY", QByteArray());
        const ScopedVariable x("DISPLAY", answers ? xvfb.display().toLatin1() : ":4711");
        const ScopedVariable shm("QT_XCB_NO_MITSHM", userValue);
        DisplayCheck::prepare({});
        QCOMPARE(qgetenv("QT_XCB_NO_MITSHM"), expected);
        // Once Qt has its display, the programs Kavo starts get the user's own value back.
        DisplayCheck::forget_painting_choice();
        QCOMPARE(qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"), !userValue.isNull());
        QCOMPARE(qgetenv("QT_XCB_NO_MITSHM"), userValue);
    }

    // Without Xwayland, Qt must not try its X11 platform (it would abort): it draws through
    // the compositor. A Qt platform the user chose is left as it is.
    void waylandWithoutXDrawsThroughTheCompositor()
    {
        const ScopedVariable x("DISPLAY", QByteArray());
        const ScopedVariable wayland("WAYLAND_DISPLAY", "wayland-1");
        const ScopedVariable platform("KAVO_PLATFORM", QByteArray());
        {
            const ScopedVariable qpa("QT_QPA_PLATFORM", QByteArray());
            QVERIFY(DisplayCheck::prepare({}).isEmpty());
            QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("wayland"));
        }
        const ScopedVariable xcb("QT_QPA_PLATFORM", "xcb");
        const QString problem = DisplayCheck::prepare({});
        QVERIFY(problem.contains("QT_QPA_PLATFORM"));
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), QByteArray("xcb"));
    }

    void otherQtPlatformsAreLeftToQt()
    {
        const ScopedVariable x("DISPLAY", QByteArray());
        const ScopedVariable qpa("QT_QPA_PLATFORM", "offscreen");
        QVERIFY(DisplayCheck::prepare({}).isEmpty());
        const ScopedVariable xcb("QT_QPA_PLATFORM", QByteArray());
        QVERIFY(DisplayCheck::prepare({"-platform", "minimal"}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_start_up.moc"
