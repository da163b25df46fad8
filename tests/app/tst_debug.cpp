// The debug information text and the debug console with its live log.
#include "AppFixture.h"
#include "DebugInfo.h"
#include "KavoLog.h"
#include "KavoLogBuffer.h"
#include "screens/DebugConsole.h"
#include "screens/DebugConsoleWindow.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QPoint>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

namespace {
const QByteArray kDesktop =
    R"({"monitors": [{"x": 0, "y": 0, "width": 1920, "height": 1080, "name": "DP-1"},
                     {"x": 1920, "y": 0, "width": 1920, "height": 1080, "gamma_size": 1024}],
        "window_manager": "Test WM", "compositor": ""})";

const QString kHint = QStringLiteral("CLICK TO COPY THE TEXT TO CLIPBOARD");
const QString kSeparator = QStringLiteral("----------");

void write_file(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The first line of each section: what follows every separator.
QStringList section_heads(const QString& text)
{
    const QStringList lines = text.split('\n');
    QStringList heads;
    for (int i = 0; i + 1 < lines.size(); ++i) {
        if (lines.at(i) == kSeparator)
            heads << lines.at(i + 1).section(':', 0, 0);
    }
    return heads;
}
} // namespace

class TestDebug : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppFixture> m_fixture;
    QTemporaryDir m_dir;

    App& app() { return m_fixture->app(); }

    DebugInfoSources fake_machine()
    {
        DebugInfoSources sources;
        sources.cpuinfo = m_dir.filePath("cpuinfo");
        write_file(sources.cpuinfo, "processor\t: 0\nmodel name\t: Test CPU @ 2.40GHz\n"
                                    "cpu MHz\t\t: 2400.000\n\n"
                                    "processor\t: 1\nmodel name\t: Test CPU @ 2.40GHz\n"
                                    "cpu MHz\t\t: 2399.998\n");
        sources.dmi_folder = m_dir.filePath("dmi");
        QDir().mkpath(sources.dmi_folder + "/power");
        write_file(sources.dmi_folder + "/board_vendor", "Velmora Boards\n");
        write_file(sources.dmi_folder + "/bios_version", "1.2.3\n");
        write_file(sources.dmi_folder + "/board_serial", "SN-123456\n");
        write_file(sources.dmi_folder + "/product_uuid", "0123-4567\n");
        write_file(sources.dmi_folder + "/uevent", "MODALIAS=dmi:bvn\n");
        QFile::link(sources.dmi_folder + "/gone", sources.dmi_folder + "/dangling");
        return sources;
    }

private slots:
    void init() { m_fixture = std::make_unique<AppFixture>(kDesktop); }
    void cleanup() { m_fixture.reset(); }

    void theTextHasEverySectionInOrderBetweenTwoHints()
    {
        const QSettings saved(m_dir.filePath("user.ini"), QSettings::IniFormat);
        const QString text = DebugInfo::text({{"DayTemperature", 4500}}, saved,
                                             DesktopDescription(), fake_machine());
        const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.first(), kHint);
        QCOMPARE(lines.last(), kHint);
        QCOMPARE(section_heads(text),
                 (QStringList{"App model", "OS", "System info", "CPU info", "Motherboard info",
                              "Desktop info", "Current settings", "Saved settings"}));
        for (const char* label :
             {"App version: ", "Architecture: ", "Build abi: ", "Build CPU Architecture: ",
              "Current CPU Architecture: ", "Kernel Type: ", "Kernel Version: ",
              "Pretty Product Name: ", "Product Type: ", "Product Version: "})
            QVERIFY2(text.contains("\n" + QLatin1String(label)), label);
    }

    void theProcessorAndTheBoardComeFromTheSystemFiles()
    {
        const DebugInfoSources machine = fake_machine();
        QCOMPARE(DebugInfo::cpu_lines(machine.cpuinfo),
                 (QStringList{"CPU info", "CPU type: Test CPU @ 2.40GHz", "CPU cores: 2",
                              "CPU speed: 2400.000"}));
        // Serial numbers and the machine's UUID are masked; files that repeat the others,
        // folders and links to nothing are left out.
        QCOMPARE(DebugInfo::board_lines(machine.dmi_folder),
                 (QStringList{"Motherboard info", "bios_version: 1.2.3", "board_serial: ********",
                              "board_vendor: Velmora Boards", "product_uuid: ********"}));
    }

    void aMissingSystemFileGivesUnknownValues()
    {
        const QStringList cpu = DebugInfo::cpu_lines(m_dir.filePath("no-cpuinfo"));
        QCOMPARE(cpu.at(1), QStringLiteral("CPU type: unknown"));
        QVERIFY(cpu.at(2).section(": ", 1).toInt() >= 1);
        QCOMPARE(DebugInfo::board_lines(m_dir.filePath("no-dmi")), QStringList{"Motherboard info"});
    }

    void everySettingIsOneLineAndSecretsAreMasked_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("number") << "DayTemperature" << QVariant(4500) << "DayTemperature: 4500";
        QTest::newRow("switch") << "UseSounds" << QVariant(true) << "UseSounds: true";
        QTest::newRow("lines") << "ColorPausers" << QVariant("vlc.exe\nplayer")
                               << "ColorPausers: vlc.exe\\nplayer";
        QTest::newRow("list") << "UnusedPages" << QVariant(QVariantList{"Moon", "Debug"})
                              << "UnusedPages: Moon, Debug";
        QTest::newRow("point") << "OverlayScreenStartMousePosition" << QVariant(QPoint(3, 4))
                               << "OverlayScreenStartMousePosition: 3, 4";
        QTest::newRow("page markup stays text")
            << "PageToOpen" << QVariant("<img src=x onerror=alert(1)>")
            << "PageToOpen: <img src=x onerror=alert(1)>";
        QTest::newRow("a token") << "SyncToken" << QVariant("abc") << "SyncToken: ********";
        QTest::newRow("a password")
            << "ProxyPassword" << QVariant("abc") << "ProxyPassword: ********";
        QTest::newRow("shortcut keys are no secret")
            << "QuitKavoHotkey" << QVariant("Ctrl+Alt+Esc") << "QuitKavoHotkey: Ctrl+Alt+Esc";
    }

    void everySettingIsOneLineAndSecretsAreMasked()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(QString, line);
        QCOMPARE(DebugInfo::settings_lines({{key, value}}), QStringList{line});
    }

    void kavosTextShowsItsSettingsAndTheDesktop()
    {
        m_fixture->start({{"DayTemperature", 4200}});
        const QString text = app().debug_info_text();
        const int current = text.indexOf("\nCurrent settings\n");
        const int saved = text.indexOf("\nSaved settings\n");
        QVERIFY(current > 0 && saved > current);
        QVERIFY(text.indexOf("\nDayTemperature: 4200\n", current) < saved);
        QVERIFY(text.indexOf("\nKavoUpdateInterval: 10000\n", current) < saved);
        QVERIFY(text.contains("\nDesktop: simulated desktop\n"));
        QVERIFY(text.contains("\nWindow manager: Test WM\n"));
        QVERIFY(text.contains("\nCompositor: none\n"));
        QVERIFY(text.contains("\nBackend: sim\n"));
        QVERIFY(text.contains("\nMonitor 1: DP-1, gamma size 256, colours: sim\n"));
        QVERIFY(text.contains("\nMonitor 2: gamma size 1024, colours: sim\n"));

        QSignalSpy published(&app(), &App::set_debug_info);
        app().update_debug_info();
        QCOMPARE(published.size(), 1);
        QVERIFY(published.first().first().toString().contains("DayTemperature: 4200"));
    }

    void theLogKeepsTheLast500Lines()
    {
        for (int i = 0; i < 600; ++i)
            log_line(QStringLiteral("line %1").arg(i));
        const QStringList lines = KavoLogBuffer::instance().lines();
        QCOMPARE(lines.size(), 500);
        QCOMPARE(lines.first(), QStringLiteral("line 100"));
        QCOMPARE(lines.last(), QStringLiteral("line 599"));
    }

    void piecesOfALineAreOneLine()
    {
        kavo_log_piece() << "Error " << 13 << " at reading:";
        kavo_log() << "denied\nsecond line";
        const QStringList lines = KavoLogBuffer::instance().lines();
        QCOMPARE(lines.mid(lines.size() - 2),
                 (QStringList{"Error 13 at reading:denied", "second line"}));
    }

    void theConsoleOpensAndClosesAgain()
    {
        m_fixture->start();
        log_line(QStringLiteral("before the console"));
        app().start_debug_console();
        QVERIFY(app().debug_console().is_open());
        DebugConsoleWindow* window = app().debug_console().window();
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Kavo debug console"));
        QVERIFY(window->lines().contains("before the console"));

        log_line(QStringLiteral("after the console opened"));
        QTRY_VERIFY(window->lines().contains("after the console opened"));

        QPointer<DebugConsoleWindow> watched(window);
        app().start_debug_console();
        QVERIFY(!app().debug_console().is_open());
        QTRY_VERIFY(watched.isNull());
        app().start_debug_console();
        QVERIFY(app().debug_console().is_open());
    }

    void closingTheConsoleNeverEndsKavo()
    {
        m_fixture->start();
        QVERIFY(!app().isVisible());
        QSignalSpy last_window(qApp, &QGuiApplication::lastWindowClosed);
        app().start_debug_console();
        QPointer<DebugConsoleWindow> window(app().debug_console().window());
        // Qt ends a program whose last window closes only inside its event loop.
        QTimer::singleShot(0, window, [&] {
            window->close();
            QTimer::singleShot(0, qApp, [] { qApp->exit(0); });
        });
        qApp->exec();
        QCOMPARE(last_window.size(), 0);
        QTRY_VERIFY(window.isNull());
        // Closed by the user: the next request opens it again.
        app().start_debug_console();
        QVERIFY(app().debug_console().is_open());
    }

    void theConsoleFollowsNewLinesAndCopiesThem()
    {
        m_fixture->start();
        app().start_debug_console();
        DebugConsoleWindow* window = app().debug_console().window();
        for (int i = 0; i < 600; ++i)
            log_line(QStringLiteral("follow %1").arg(i));
        QTRY_COMPARE(window->lines().last(), QStringLiteral("follow 599"));
        QCOMPARE(window->lines().size(), 500);
        QPushButton* copy = window->findChild<QPushButton*>();
        QVERIFY(copy);
        copy->click();
        QVERIFY(QGuiApplication::clipboard()->text().endsWith("follow 598\nfollow 599"));
    }
};

QTEST_MAIN(TestDebug)
#include "tst_debug.moc"
