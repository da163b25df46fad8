// The desktop entries Kavo writes (start with the session, the kavo: scheme, the menu entry
// with the timer actions) for program
// paths that try to break out of Exec=: each entry passes the freedesktop validator and,
// launched by GLib's gio, runs exactly the intended program, or it is refused.
#include "platform/linux/DesktopEntryExec.h"
#include "platform/linux/LauncherTaskbar.h"
#include "platform/linux/XdgRegistry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestDesktopEntry : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_case = 0;
    int m_launches = 0;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    // A program in folder `folder` that records its arguments, one per line, in `marker`.
    QString recordingProgram(const QString& folder)
    {
        const QString dir = path(QStringLiteral("programs/%1/").arg(++m_case)) + folder;
        if (!QDir().mkpath(dir))
            return {};
        QFile script(dir + QStringLiteral("/kavo"));
        if (!script.open(QIODevice::WriteOnly))
            return {};
        script.write("#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" >> \"$KAVO_TEST_MARKER\"\n");
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return script.fileName();
    }

    static int
    run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
        const QString& folder = {})
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder);
        process.start(program, arguments);
        if (!process.waitForFinished(60000))
            return -1;
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    static QStringList lines(const QString& file)
    {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly))
            return {};
        QStringList read = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
        read.removeLast();
        return read;
    }

    // Launches `entry` through gio; the lines the program recorded, once it has.
    QStringList launch(const QString& entry, const QStringList& uris, bool expectRun)
    {
        const QString marker = path(QStringLiteral("marker-%1").arg(++m_launches));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KAVO_TEST_MARKER"), marker);
        environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        const int status = run(QStringLiteral("gio"), QStringList{"launch", entry} + uris,
                               environment, path(QString()));
        if (!expectRun)
            return status == 0 ? QStringList{QStringLiteral("gio launched it")} : lines(marker);
        if (status != 0)
            return {};
        // gio returns once the program is started; it records its arguments soon after.
        if (!QTest::qWaitFor([&] { return lines(marker).size() >= 1 + uris.size(); }, 30000))
            return {QStringLiteral("the program recorded nothing")};
        return lines(marker);
    }

    // The arguments of desktop action `id` of `entry`.
    static QStringList actionArguments(const QString& entry, const QString& id)
    {
        const QStringList read = lines(entry);
        const int section = read.indexOf(QStringLiteral("[Desktop Action %1]").arg(id));
        for (int i = section + 1; section >= 0 && i < read.size(); ++i) {
            if (read[i].startsWith(QLatin1String("Exec=")))
                return DesktopEntryExec::arguments(read[i].mid(5));
        }
        return {};
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void hostilePaths_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("written");
        // GLib looks for the program before it turns %% into %, so it finds no program whose
        // path has a % in it; the entry is still valid and reads back to the path.
        QTest::addColumn<bool>("glibLaunches");
        QTest::newRow("spaces") << "my apps" << true << true;
        QTest::newRow("double quote") << "a\"b'c" << true << true;
        QTest::newRow("backquote") << "`touch INJ`" << true << true;
        QTest::newRow("dollar") << "$(touch INJ)$HOME" << true << true;
        QTest::newRow("backslashes") << "back\\slash\\\\x\\" << true << true;
        QTest::newRow("shell separators") << "a;touch INJ&b|c>d<e" << true << true;
        QTest::newRow("escape-like") << "\\n\\s\\t" << true << true;
        QTest::newRow("non-ASCII") << "Fotos ünd 日本" << true << true;
        QTest::newRow("hash and brackets") << "#x = [y]" << true << true;
        QTest::newRow("percent") << "100% %u %f" << true << false;
        QTest::newRow("newline") << "a\nExec=touch INJ" << false << false;
        QTest::newRow("carriage return") << "a\rExec=touch INJ" << false << false;
        QTest::newRow("tab") << "a\tb" << false << false;
    }

    void hostilePaths()
    {
        QFETCH(QString, folder);
        QFETCH(bool, written);
        QFETCH(bool, glibLaunches);
        const QString program = recordingProgram(folder);
        QVERIFY(!program.isEmpty());
        const bool safe = DesktopEntryExec::quoted(program).has_value();
        QCOMPARE(safe, written);
        qputenv("XDG_CONFIG_HOME", path(QStringLiteral("xdg-%1").arg(m_case)).toUtf8());
        XdgRegistry registry;
        const QString autostart = XdgRegistry::autostartFile(QStringLiteral("Kavo"));
        const QString handler = path(QStringLiteral("handler-%1.desktop").arg(m_case));
        const QString menu = path(QStringLiteral("menu-%1.desktop").arg(m_case));
        QCOMPARE(registry.setStartupProgram(QStringLiteral("Kavo"), program), safe);
        QCOMPARE(XdgRegistry::writeUrlHandler(handler, program), safe);
        QCOMPARE(LauncherTaskbar::writeDesktopEntry(menu, program,
                                                    {{"work-break", "Work/Break", "toggle timer"}}),
                 safe);
        if (!safe) {
            QVERIFY(!QFile::exists(autostart));
            QVERIFY(!QFile::exists(handler));
            QVERIFY(!QFile::exists(menu));
            return;
        }
        QCOMPARE(registry.startupProgram(QStringLiteral("Kavo")), program);
        for (const QString& entry : {autostart, handler, menu})
            QCOMPARE(run(QStringLiteral("desktop-file-validate"), {entry}), 0);
        QCOMPARE(actionArguments(menu, "work-break"), (QStringList{program, "toggle timer"}));
        const QStringList shown = glibLaunches ? QStringList{program, "--show_ui"} : QStringList();
        QCOMPARE(launch(menu, {}, glibLaunches), shown);

        const QStringList started = glibLaunches ? QStringList{program} : QStringList();
        QCOMPARE(launch(autostart, {}, glibLaunches), started);
        const QString link = QStringLiteral("kavo:open-settings-page");
        const QStringList handed = glibLaunches ? QStringList{program, link} : QStringList();
        QCOMPARE(launch(handler, {link}, glibLaunches), handed);
        QVERIFY(!QFile::exists(path(QStringLiteral("INJ"))));
    }

    // The entry of the old name (kavo.desktop) goes when the new one is written beside it, but
    // only when it starts the same program.
    void theOldMenuEntryMakesWay_data()
    {
        QTest::addColumn<QString>("oldExec");
        QTest::addColumn<bool>("removed");
        QTest::newRow("same program") << "Exec=\"%1\" --show_ui" << true;
        QTest::newRow("another program") << "Exec=\"/opt/other/kavo\" --show_ui" << false;
        QTest::newRow("no Exec") << "Name=Kavo" << false;
    }

    void theOldMenuEntryMakesWay()
    {
        QFETCH(QString, oldExec);
        QFETCH(bool, removed);
        const QString folder = path(QStringLiteral("applications-%1").arg(++m_case));
        const QString program = folder + QStringLiteral("/bin/kavo");
        QVERIFY(QDir().mkpath(folder));
        QFile old(folder + QStringLiteral("/kavo.desktop"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("[Desktop Entry]\nType=Application\n" + oldExec.arg(program).toUtf8() + "\n");
        old.close();
        QVERIFY(LauncherTaskbar::writeDesktopEntry(
            folder + QStringLiteral("/com.velmora.Kavo.desktop"), program, {}));
        QCOMPARE(QFile::exists(old.fileName()), !removed);
    }

    void execValuesReadBack_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("quoted with field code")
            << "\"/opt/my apps/kavo\" %u" << QStringList{"/opt/my apps/kavo", "%u"};
        QTest::newRow("escapes inside quotes")
            << "\"/a\\\\\\\\b\\\\\"c\\\\$d\\\\`e\" --x" << QStringList{"/a\\b\"c$d`e", "--x"};
        QTest::newRow("doubled percent") << "\"/100%% sure\"" << QStringList{"/100% sure"};
        QTest::newRow("unquoted") << "kavo  --show_ui" << QStringList{"kavo", "--show_ui"};
    }

    void execValuesReadBack()
    {
        QFETCH(QString, value);
        QFETCH(QStringList, arguments);
        QCOMPARE(DesktopEntryExec::arguments(value), arguments);
    }
};

QTEST_GUILESS_MAIN(TestDesktopEntry)
#include "tst_desktop_entry.moc"
