// The documentation that is installed with Kavo: the manual pages list what `--help` lists and
// man has no warning about them, the AppStream data passes its validator and names this
// version, and kavoctl's completions offer the commands, options and names kavoctl knows.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
struct Run
{
    int status = -1;
    QString output;
    QString errors;
};

Run run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.output = QString::fromUtf8(process.readAllStandardOutput());
    result.errors = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QSet<QString> matches(const QString& text, const QString& pattern, int group = 1)
{
    QSet<QString> found;
    auto iterator =
        QRegularExpression(pattern, QRegularExpression::MultilineOption).globalMatch(text);
    while (iterator.hasNext())
        found.insert(iterator.next().captured(group));
    return found;
}

// Options as a reader sees them: "--name" or "-h", not the hyphen inside "kavo:open-page".
QSet<QString> options(const QString& text)
{
    return matches(text, QStringLiteral("(?<![\\w:-])(--?[a-z][a-z0-9_-]*)"));
}

// A page's roff as plain text: the font changes and the escapes of scdoc taken out.
QString roffText(const QString& page)
{
    QString text = readFile(QStringLiteral(KAVO_MAN_DIR "/") + page);
    text.remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]")));
    text.remove(QStringLiteral("\\&"));
    return text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
}

// The text of one section (".SH NAME") of a page's roff.
QString roffSection(const QString& roff, const QString& name)
{
    const int start = roff.indexOf(QStringLiteral(".SH ") + name);
    if (start < 0)
        return {};
    const int end = roff.indexOf(QStringLiteral("\n.SH "), start + 1);
    return roff.mid(start, end < 0 ? -1 : end - start);
}

QString kavoctlHelp()
{
    return run(QStringLiteral(KAVOCTL_BINARY), {QStringLiteral("help")}).output;
}

// The commands of kavoctl's usage lines ("  kavoctl ramp --temperature K ...").
QSet<QString> helpCommands()
{
    return matches(kavoctlHelp(), QStringLiteral("^  kavoctl ([a-z]+)"));
}

// What the bash completion offers for the command line `words` (the last is being typed).
QSet<QString> bashOffers(const QStringList& words)
{
    const Run completed = run(
        QStringLiteral("bash"),
        QStringList{QStringLiteral("--norc"), QStringLiteral("--noprofile"), QStringLiteral("-c"),
                    QStringLiteral("source \"$0\" && COMP_WORDS=(\"$@\") && COMP_CWORD=$(($# - 1)) "
                                   "&& _kavoctl && printf '%s\\n' \"${COMPREPLY[@]}\""),
                    QStringLiteral(KAVO_COMPLETIONS_DIR "/kavoctl.bash")} +
            words);
    QSet<QString> offered;
    for (const QString& line : completed.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        offered.insert(line);
    return offered;
}

QSet<QString> set(const QString& words)
{
    const QStringList list = words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return QSet<QString>(list.begin(), list.end());
}
} // namespace

class TestDocs : public QObject
{
    Q_OBJECT

private slots:
    void manPagesListWhatHelpLists_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("page");
        QTest::newRow("kavo") << KAVO_BINARY << QStringList{"--help"} << "kavo.1";
        QTest::newRow("kavoctl") << KAVOCTL_BINARY << QStringList{"help"} << "kavoctl.1";
    }

    void manPagesListWhatHelpLists()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, page);
        const Run help = run(program, arguments);
        QCOMPARE(help.status, 0);
        const QString roff = roffText(page);
        QVERIFY2(!roff.isEmpty(), qPrintable(page + " is built with kavo_data"));
        // A program's own help need not list the flags that ask for it.
        const QSet<QString> helpFlags{"--help", "-h"};
        QCOMPARE(options(roff) - helpFlags, options(help.output) - helpFlags);
        const QString environment = QStringLiteral("(KAVO_[A-Z_]+)");
        const QSet<QString> notInPage =
            matches(help.output, environment) - matches(roff, environment);
        QVERIFY2(notInPage.isEmpty(), qPrintable(QStringList(notInPage.values()).join(' ')));
        const QString commands = roffSection(roff, QStringLiteral("COMMANDS"));
        QCOMPARE(matches(commands, QStringLiteral("^kavoctl ([a-z]+)")),
                 matches(help.output, QStringLiteral("^  kavoctl ([a-z]+)")));
    }

    void manHasNoWarnings_data()
    {
        QTest::addColumn<QString>("page");
        for (const char* page : {"kavo.1", "kavoctl.1", "kavo-guardian.1"})
            QTest::newRow(page) << page;
    }

    void manHasNoWarnings()
    {
        QFETCH(QString, page);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
        const Run shown = run(QStringLiteral("man"),
                              {"--warnings", "-E", "UTF-8", "-P", "cat", "-l",
                               QStringLiteral(KAVO_MAN_DIR "/") + page},
                              environment);
        QVERIFY2(shown.status == 0, "man is installed by scripts/install-deps.sh");
        QVERIFY(shown.output.contains(QStringLiteral("NAME")));
        QCOMPARE(shown.errors, QString());
    }

    void appStreamDataIsValidAndNamesThisVersion()
    {
        const Run validated = run(QStringLiteral("appstreamcli"),
                                  {"validate", "--pedantic", "--no-net", KAVO_METAINFO});
        QVERIFY2(validated.status == 0, qPrintable(validated.output + validated.errors));
        QXmlStreamReader xml(readFile(QStringLiteral(KAVO_METAINFO)));
        while (!xml.atEnd() && !(xml.isStartElement() && xml.name() == QLatin1String("release")))
            xml.readNext();
        QCOMPARE(xml.attributes().value(QLatin1String("version")).toString(),
                 QStringLiteral(KAVO_VERSION));
        // Each screenshot is one of the pictures kept under docs/screenshots/.
        const QSet<QString> images = matches(readFile(QStringLiteral(KAVO_METAINFO)),
                                             QStringLiteral("<image>[^<]*/([^/<]+)</image>"));
        QVERIFY(!images.isEmpty());
        for (const QString& image : images)
            QVERIFY2(QFile::exists(QStringLiteral(KAVO_SCREENSHOTS_DIR "/") + image),
                     qPrintable(image));
    }

    void bashCompletes_data()
    {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("offered");
        QTest::newRow("a command") << QStringList{"kavoctl", "ty"} << "type";
        QTest::newRow("a type") << QStringList{"kavoctl", "type", "b"} << "biohacker";
        QTest::newRow("the modes")
            << QStringList{"kavoctl", "mode", ""} << "automatic manual paused";
        QTest::newRow("a period") << QStringList{"kavoctl", "set", "temperature", ""}
                                  << "day night";
        QTest::newRow("an option")
            << QStringList{"kavoctl", "ramp", "--b"} << "--brightness --base";
        QTest::newRow("an option's names")
            << QStringList{"kavoctl", "ramp", "--base", "i"} << "identity inverted";
        QTest::newRow("a number") << QStringList{"kavoctl", "matrix", "--temperature", ""} << "";
        QTest::newRow("past the last word") << QStringList{"kavoctl", "type", "dark", ""} << "";
    }

    void bashCompletes()
    {
        QFETCH(QStringList, words);
        QFETCH(QString, offered);
        QCOMPARE(bashOffers(words), set(offered));
    }

    // The completions follow kavoctl's help: every command, and each command's options.
    void bashCompletesWhatHelpLists()
    {
        const QSet<QString> commands = helpCommands();
        QVERIFY(commands.contains(QStringLiteral("status")));
        QCOMPARE(bashOffers({"kavoctl", ""}), commands + QSet<QString>{"help"});
        const QString help = kavoctlHelp();
        for (const QString& command : commands) {
            const QString usage = QRegularExpression(QStringLiteral("^  kavoctl ") + command +
                                                         QStringLiteral("\\b.*$"),
                                                     QRegularExpression::MultilineOption)
                                      .match(help)
                                      .captured();
            QCOMPARE(bashOffers({"kavoctl", command, "--"}), options(usage));
        }
    }

    void zshAndFishReadTheirCompletions()
    {
        const Run zsh = run(QStringLiteral("zsh"), {"-n", KAVO_COMPLETIONS_DIR "/_kavoctl"});
        QVERIFY2(zsh.status == 0,
                 qPrintable("zsh is installed by scripts/install-deps.sh " + zsh.errors));
        const Run fish =
            run(QStringLiteral("fish"), {"-c", "source $argv[1]; and complete -C 'kavoctl '",
                                         KAVO_COMPLETIONS_DIR "/kavoctl.fish"});
        QVERIFY2(fish.status == 0,
                 qPrintable("fish is installed by scripts/install-deps.sh " + fish.errors));
        QSet<QString> offered;
        for (const QString& line : fish.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            offered.insert(line.section(QLatin1Char('\t'), 0, 0));
        QCOMPARE(offered, helpCommands() + QSet<QString>{"help"});
    }
};

QTEST_GUILESS_MAIN(TestDocs)
#include "tst_docs.moc"
