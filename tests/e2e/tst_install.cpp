// make install: the programs and their parts, the icons, both desktop entries, the AppStream
// data, the manual pages and the completions under the prefix; the installed Kavo registers
// itself to start with the session, a build-folder Kavo does not.
#include "KavoProcess.h"
#include "XvfbServer.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const char* const kRunKey = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

int run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    if (output)
        *output = process.readAll();
    return process.exitCode();
}

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_prefix;

    QString installedKavo() const { return m_prefix + "/bin/kavo"; }

    // Starts `program` on `desktop` until it answers kavoctl status, then quits it.
    static void runUntilItAnswers(const KavoDesktop& desktop, const QString& program,
                                  const QProcessEnvironment& extra = {})
    {
        QProcess kavo;
        QProcessEnvironment environment = desktop.environment();
        for (const QString& name : extra.keys())
            environment.insert(name, extra.value(name));
        kavo.setProcessEnvironment(environment);
        kavo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        kavo.start(program, QStringList());
        QVERIFY(kavo.waitForStarted(20000));
        QTRY_VERIFY_WITH_TIMEOUT(desktop.kavoctl({"status"})->exitCode() == 0, 60000);
        kavo.terminate();
        QVERIFY(kavo.waitForFinished(30000));
        QCOMPARE(kavo.exitCode(), 0);
    }

    static QJsonObject state(const KavoDesktop& desktop)
    {
        return QJsonDocument::fromJson(readFile(desktop.path("state.json")).toUtf8()).object();
    }

private slots:
    void initTestCase()
    {
        // A prefix with a blank and a quote in it, as a user's folder may have.
        m_prefix = m_dir.filePath("my \"apps\"");
        QByteArray output;
        QVERIFY2(run(CMAKE_COMMAND, {"--install", KAVO_BUILD_DIR, "--prefix", m_prefix}, &output) ==
                     0,
                 output.constData());
    }

    void installsTheProgramsAndTheirEntries()
    {
        for (const char* file :
             {"bin/kavo", "bin/kavoctl", "bin/kavo-guardian",
              "share/icons/hicolor/scalable/apps/com.velmora.Kavo.svg",
              "share/icons/hicolor/16x16/apps/com.velmora.Kavo.png",
              "share/icons/hicolor/512x512/apps/com.velmora.Kavo.png",
              "share/applications/com.velmora.Kavo.desktop",
              "share/applications/kavo-url-handler.desktop",
              "share/metainfo/com.velmora.Kavo.metainfo.xml", "share/man/man1/kavo.1.gz",
              "share/man/man1/kavoctl.1.gz", "share/bash-completion/completions/kavoctl",
              "share/zsh/vendor-completions/_kavoctl",
              "share/fish/vendor_completions.d/kavoctl.fish"})
            QVERIFY2(QFile::exists(m_prefix + "/" + file), file);
        for (const char* entry : {"com.velmora.Kavo.desktop", "kavo-url-handler.desktop"}) {
            const QString path = m_prefix + "/share/applications/" + entry;
            QByteArray output;
            QVERIFY2(run("desktop-file-validate", {path}, &output) == 0, output.constData());
        }
        const QString handler = readFile(m_prefix + "/share/applications/kavo-url-handler.desktop");
        QVERIFY(handler.contains("MimeType=x-scheme-handler/kavo;"));
        QVERIFY(handler.contains("Exec=\"" + QString(m_prefix).replace("\"", "\\\\\"") +
                                 "/bin/kavo\" %u\n"));
        QByteArray version;
        QCOMPARE(run(installedKavo(), {"--version"}, &version), 0);
        QCOMPARE(version, QByteArray("Kavo " KAVO_VERSION "\n"));
    }

    // The parts go into the prefix's private folder, and the installed Kavo takes them from
    // there, not from the build tree.
    void theInstalledKavoLoadsItsOwnParts()
    {
        const QString parts = m_prefix + "/" KAVO_INSTALL_LIBDIR "/kavo/";
        for (const char* part : {"web", "sensors", "sounds", "gsettings"})
            QVERIFY2(QFile::exists(parts + "libkavo_" + part + ".so"), part);
        KavoDesktop desktop;
        QProcess kavo;
        kavo.setProcessEnvironment(desktop.environment());
        kavo.start(installedKavo(), {"--show_ui"});
        QVERIFY(kavo.waitForStarted(20000));
        QTRY_VERIFY_WITH_TIMEOUT(
            readFile(QStringLiteral("/proc/%1/maps").arg(kavo.processId()))
                .contains(parts + "libkavo_web.so"),
            60000);
        kavo.terminate();
        QVERIFY(kavo.waitForFinished(30000));
        QCOMPARE(kavo.exitCode(), 0);
    }

    void onlyTheInstalledKavoStartsWithTheSession_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::newRow("installed") << true;
        QTest::newRow("build folder") << false;
    }

    void onlyTheInstalledKavoStartsWithTheSession()
    {
        QFETCH(bool, installed);
        KavoDesktop desktop;
        runUntilItAnswers(desktop, installed ? installedKavo() : QString(KAVO_BINARY));
        const QString entry =
            state(desktop)["registry"].toObject()[kRunKey].toObject()["Kavo"].toString();
        QCOMPARE(entry, installed ? "\"" + installedKavo() + "\"" : QString());
    }

    void onlyTheInstalledKavoWritesAnAutostartEntry_data()
    {
        onlyTheInstalledKavoStartsWithTheSession_data();
    }

    void onlyTheInstalledKavoWritesAnAutostartEntry()
    {
        QFETCH(bool, installed);
        XvfbServer xvfb;
        QVERIFY2(xvfb.start("640x480x24"), "Xvfb is installed by scripts/install-deps.sh");
        KavoDesktop desktop;
        QProcessEnvironment x11;
        x11.insert("KAVO_PLATFORM", "x11");
        x11.insert("QT_QPA_PLATFORM", "xcb");
        x11.insert("DISPLAY", xvfb.display());
        runUntilItAnswers(desktop, installed ? installedKavo() : QString(KAVO_BINARY), x11);
        const QString autostart = desktop.path("config/autostart/Kavo.desktop");
        QCOMPARE(QFile::exists(autostart), installed);
        if (!installed)
            return;
        QByteArray output;
        QVERIFY2(run("desktop-file-validate", {autostart}, &output) == 0, output.constData());
        QVERIFY(readFile(autostart).contains(
            "\nExec=\"" + QString(installedKavo()).replace("\"", "\\\\\"") + "\"\n"));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
