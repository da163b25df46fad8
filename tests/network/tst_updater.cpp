// The update check against a server of the test's own: the version file's verdicts, when Kavo
// asks at all, failing servers, redirects, the download address and progress, and the
// endpoints a build may name.
#include "KavoLogBuffer.h"
#include "LocalHttpServer.h"
#include "network/NetworkEndpoints.h"
#include "network/Updater.h"
#include "platform/sim/SimDesktop.h"
#include "settings/SaveManager.h"

#include <QDesktopServices>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kCurrent = QStringLiteral("1.9.0");

QByteArray version_file(const QByteArray& version_line, const QByteArray& download_line)
{
    return version_line + "\nLinux version:0\nnotes\n" + download_line + "\n";
}

// Catches the addresses Kavo asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.append(url); }
};
} // namespace

class TestUpdater : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // A settings store with CheckForUpdates as given, and the clock of a simulated desktop.
    std::unique_ptr<SaveManager> settings_with_updates(bool check)
    {
        qputenv("KAVO_SETTINGS_DIR", m_dir.filePath(QStringLiteral("settings")).toUtf8());
        QSettings store(m_dir.filePath(QStringLiteral("settings/kavo_settings.ini")),
                        QSettings::IniFormat);
        store.setValue(QStringLiteral("SaveVersion"), QStringLiteral("6"));
        store.setValue(QStringLiteral("CheckForUpdates"), check);
        store.sync();
        return std::make_unique<SaveManager>();
    }

    void set_clock(const QString& now)
    {
        QFile config(m_dir.filePath(QStringLiteral("desktop.json")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(
            QStringLiteral(R"({"clock": {"now": "%1", "running": false}})").arg(now).toUtf8());
        config.close();
        static_cast<SimDesktop&>(Platform::current()).reloadConfig();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        Platform::install(std::make_unique<SimDesktop>(
            m_dir.filePath(QStringLiteral("desktop.json")), QString()));
    }

    void cleanupTestCase() { Platform::uninstall(); }

    void theServersAnswerDecides_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("announced");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("address");

        const QByteArray download = "Linux download : https://downloads.example/kavo-2.0.tar.gz";
        QTest::newRow("equal") << version_file("Linux version:1.9.0", download) << QString()
                               << QStringList{"Kavo is up to date"} << QString();
        QTest::newRow("equal with fewer numbers")
            << version_file("Linux version:1.9", download) << QString()
            << QStringList{"Kavo is up to date"} << QString();
        QTest::newRow("older") << version_file("Linux version:1.8.7", download) << QString()
                               << QStringList{"Your Kavo version 1.9.0 is newer version than "
                                              "the server version: 1.8.7"}
                               << QString();
        QTest::newRow("newer") << version_file("Linux version:2.0", download) << "2.0"
                               << QStringList{"Kavo has a new version 2.0"}
                               << "https://downloads.example/kavo-2.0.tar.gz";
        QTest::newRow("1.10 is newer than 1.9")
            << version_file("Linux version: 1.10.0", download) << "1.10.0"
            << QStringList{"Kavo has a new version 1.10.0"}
            << "https://downloads.example/kavo-2.0.tar.gz";
        QTest::newRow("windows line ends")
            << QByteArray("Linux version:2.0\r\nx\r\ny\r\nLinux download : "
                          "https://downloads.example/k.tar.gz\r\n")
            << "2.0" << QStringList{"Kavo has a new version 2.0"}
            << "https://downloads.example/k.tar.gz";
        QTest::newRow("three lines")
            << QByteArray("Linux version:2.0\nx\nLinux download : https://d.example/k\n")
            << QString() << QStringList{"Invalid version.txt file on the server"} << QString();
        QTest::newRow("empty") << QByteArray() << QString()
                               << QStringList{"Invalid version.txt file on the server"}
                               << QString();
        QTest::newRow("no colon") << version_file("Linux version 2.0", download) << QString()
                                  << QStringList{"File format of version.txt for Windows "
                                                 "version is invalid"}
                                  << QString();
        QTest::newRow("not a version")
            << version_file("Linux version:2.0 beta", download) << QString()
            << QStringList{"Invalid version.txt file on the server"} << QString();
        QTest::newRow("bad download line")
            << version_file("Linux version:2.0", "Linux download https://d.example/k") << QString()
            << QStringList{"Kavo has a new version 2.0",
                           "File format of version.txt for Windows download is invalid"}
            << QString();
        QTest::newRow("download not https")
            << version_file("Linux version:2.0", "Linux download : http://d.example/k") << QString()
            << QStringList{"Kavo has a new version 2.0",
                           "The download address is not an https address: http://d.example/k"}
            << QString();
        QTest::newRow("download with control characters")
            << version_file("Linux version:2.0", "Linux download : \x1b[2Jhttps://d.example/k")
            << QString()
            << QStringList{"Kavo has a new version 2.0",
                           "The download address is not an https address: ?[2Jhttps://d.example/k"}
            << QString();
    }

    void theServersAnswerDecides()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, announced);
        QFETCH(QStringList, log);
        QFETCH(QString, address);

        LocalHttpServer server;
        QVERIFY(server.listening());
        server.answer("/version.txt", body);
        Updater updater(server.url(), kCurrent);
        QSignalSpy announcements(&updater, &Updater::new_version_available);
        QSignalSpy statuses(&updater, &Updater::update_status);
        QSignalSpy lines(&KavoLogBuffer::instance(), &KavoLogBuffer::line_logged);

        updater.check_now();
        QTRY_COMPARE_WITH_TIMEOUT(statuses.count(), 1, 20000);
        QStringList logged;
        for (const QList<QVariant>& line : lines)
            logged << line.at(0).toString();
        QCOMPARE(logged, log);
        QCOMPARE(announcements.count(), announced.isEmpty() ? 0 : 1);
        if (!announced.isEmpty())
            QCOMPARE(announcements.at(0).at(0).toString(), announced);
        QCOMPARE(updater.download_address(), address);
        QCOMPARE(server.paths(), QList<QByteArray>{"/version.txt"});
    }

    void theSettingDecidesWhetherKavoAsks_data()
    {
        QTest::addColumn<bool>("check");
        QTest::newRow("CheckForUpdates off") << false;
        QTest::newRow("CheckForUpdates on") << true;
    }

    void theSettingDecidesWhetherKavoAsks()
    {
        QFETCH(bool, check);
        LocalHttpServer server;
        server.answer("/version.txt",
                      version_file("Linux version:1.9.0", "x : https://d.example/k"));
        auto store = settings_with_updates(check);
        Updater updater(server.url(), kCurrent);
        QSignalSpy statuses(&updater, &Updater::update_status);
        updater.check_for_new_version();
        if (check)
            QTRY_COMPARE_WITH_TIMEOUT(statuses.count(), 1, 20000);
        // Without the setting nothing is sent; a later answer would have come by now.
        updater.check_now();
        QTRY_COMPARE_WITH_TIMEOUT(statuses.count(), check ? 2 : 1, 20000);
        QCOMPARE(server.requests().size(), check ? 2 : 1);
    }

    void aRunningKavoLooksAgainAfterTheInterval()
    {
        LocalHttpServer server;
        server.answer("/version.txt",
                      version_file("Linux version:1.9.0", "x : https://d.example/k"));
        auto store = settings_with_updates(true);
        set_clock(QStringLiteral("2026-06-10T10:00:00+00:00"));
        Updater updater(server.url(), kCurrent);
        QSignalSpy statuses(&updater, &Updater::update_status);
        updater.check_periodically([] { return 2; });

        updater.check_if_due();
        QTRY_COMPARE_WITH_TIMEOUT(statuses.count(), 1, 20000);
        set_clock(QStringLiteral("2026-06-12T09:59:00+00:00"));
        updater.check_if_due();
        set_clock(QStringLiteral("2026-06-12T10:00:00+00:00"));
        updater.check_if_due();
        QTRY_COMPARE_WITH_TIMEOUT(statuses.count(), 2, 20000);
        QCOMPARE(server.requests().size(), 2);
    }

    void aServerThatFailsIsReported_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<LocalHttpServer::Response>("response");
        QTest::addColumn<int>("requests");
        QTest::newRow("server error") << QByteArray("/version.txt")
                                      << LocalHttpServer::Response{500, "broken", {}, false} << 1;
        QTest::newRow("no answer in time")
            << QByteArray("/version.txt") << LocalHttpServer::Response{200, {}, {}, true} << 1;
        QTest::newRow("redirect loop")
            << QByteArray("/version.txt")
            << LocalHttpServer::Response{302, {}, "/version.txt", false} << 6;
    }

    void aServerThatFailsIsReported()
    {
        QFETCH(QByteArray, path);
        QFETCH(LocalHttpServer::Response, response);
        QFETCH(int, requests);
        LocalHttpServer server;
        server.answer(path, response);
        Updater updater(server.url(), kCurrent, 500);
        QSignalSpy statuses(&updater, &Updater::update_status);
        QSignalSpy announcements(&updater, &Updater::new_version_available);
        updater.check_now();
        QTRY_COMPARE_WITH_TIMEOUT(statuses.count(), 1, 20000);
        QCOMPARE(statuses.at(0).at(0).toString(),
                 QStringLiteral("No answer from the update server"));
        QCOMPARE(announcements.count(), 0);
        QCOMPARE(server.requests().size(), requests);
    }

    void aRedirectIsFollowed()
    {
        LocalHttpServer server;
        server.redirect("/version.txt", "/current/version.txt");
        server.answer("/current/version.txt",
                      version_file("Linux version:2.1", "x : https://d.example/k"));
        Updater updater(server.url(), kCurrent);
        QSignalSpy announcements(&updater, &Updater::new_version_available);
        updater.check_now();
        QTRY_COMPARE_WITH_TIMEOUT(announcements.count(), 1, 20000);
        QCOMPARE(server.paths(), (QList<QByteArray>{"/version.txt", "/current/version.txt"}));
    }

    void withoutAServerNothingIsSentAndThatIsSaidOnce()
    {
        Updater updater(QUrl(), kCurrent);
        QSignalSpy statuses(&updater, &Updater::update_status);
        QSignalSpy lines(&KavoLogBuffer::instance(), &KavoLogBuffer::line_logged);
        updater.check_now();
        updater.check_now();
        QCOMPARE(statuses.count(), 2);
        QCOMPARE(statuses.at(0).at(0).toString(),
                 QStringLiteral("This build of Kavo names no update server"));
        QCOMPARE(lines.count(), 1);
    }

    void theDownloadOpensTheAnnouncedAddress()
    {
        LocalHttpServer server;
        server.answer("/version.txt", version_file("Linux version:2.0", "x : https://d.example/k"));
        Updater updater(server.url(), kCurrent);
        UrlCatcher catcher;
        updater.download_new_version();
        QCOMPARE(catcher.urls.size(), 0);

        QSignalSpy announcements(&updater, &Updater::new_version_available);
        updater.check_now();
        QTRY_COMPARE_WITH_TIMEOUT(announcements.count(), 1, 20000);
        updater.download_new_version();
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl(QStringLiteral("https://d.example/k"))});
    }

    void downloadProgress_data()
    {
        QTest::addColumn<qlonglong>("received");
        QTest::addColumn<qlonglong>("total");
        QTest::addColumn<bool>("downloading");
        QTest::addColumn<int>("percent");
        QTest::newRow("a quarter") << 50LL << 200LL << true << 25;
        QTest::newRow("done") << 200LL << 200LL << false << 0;
        QTest::newRow("size unknown") << 4096LL << -1LL << true << 0;
        QTest::newRow("more than announced") << 300LL << 200LL << true << 100;
        QTest::newRow("large file") << 3000000000LL << 6000000000LL << true << 50;
    }

    void downloadProgress()
    {
        QFETCH(qlonglong, received);
        QFETCH(qlonglong, total);
        QFETCH(bool, downloading);
        QFETCH(int, percent);
        Updater updater(QUrl(), kCurrent);
        QSignalSpy changed(&updater, &Updater::download_progress_changed);
        updater.on_download_progress(received, total);
        QCOMPARE(updater.is_downloading(), downloading);
        QCOMPARE(updater.download_percent(), percent);
        QCOMPARE(changed.count(), 1);
    }

    void endpoints_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("accepted");
        QTest::newRow("https") << "https://updates.example/kavo"
                               << "https://updates.example/kavo";
        QTest::newRow("http on this computer") << "http://127.0.0.1:8080"
                                               << "http://127.0.0.1:8080";
        QTest::newRow("http to localhost") << "http://localhost/x"
                                           << "http://localhost/x";
        QTest::newRow("http elsewhere") << "http://updates.example" << QString();
        QTest::newRow("another scheme") << "ftp://updates.example" << QString();
        QTest::newRow("no host") << "https:///version" << QString();
        QTest::newRow("not an address") << "updates example" << QString();
        QTest::newRow("empty") << "  " << QString();
    }

    void endpoints()
    {
        QFETCH(QString, text);
        QFETCH(QString, accepted);
        QCOMPARE(NetworkEndpoints::accepted(text, "KAVO_UPDATE_URL").toString(), accepted);
    }

    void theFixedPathsFollowTheServersOwn()
    {
        QCOMPARE(NetworkEndpoints::with_path(QUrl(QStringLiteral("https://a.example/kavo/")),
                                             QStringLiteral("/version.txt"))
                     .toString(),
                 QStringLiteral("https://a.example/kavo/version.txt"));
        QCOMPARE(NetworkEndpoints::with_path(QUrl(QStringLiteral("https://a.example")),
                                             QStringLiteral("/version.txt"))
                     .toString(),
                 QStringLiteral("https://a.example/version.txt"));
    }
};

QTEST_MAIN(TestUpdater)
#include "tst_updater.moc"
