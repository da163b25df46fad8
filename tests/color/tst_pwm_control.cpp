// The backlight PWM companions: small scripts stand in for the programs an administrator
// provides.
#include "color/PWMControl.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestPWMControl : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    QString folder(const QString& name) const
    {
        const QString path = m_dir->filePath(name);
        QDir().mkpath(path);
        return path;
    }

    static void write_script(const QString& folder, const char* program, const QByteArray& body)
    {
        QFile script(QDir(folder).filePath(QLatin1String(program)));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n" + body + "\n");
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    QStringList lines_of(const QString& file) const
    {
        QFile log(file);
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void theReadCompanionGivesTheFrequency_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("frequency");
        QTest::addColumn<bool>("supported");
        QTest::newRow("exit code 0") << QByteArray("exit 0") << 0 << false;
        QTest::newRow("exit code 60") << QByteArray("exit 60") << 60 << true;
        QTest::newRow("printed 1000") << QByteArray("echo 1000") << 1000 << true;
        QTest::newRow("printed 25000, exit code 1")
            << QByteArray("echo 25000; exit 1") << 25000 << true;
        QTest::newRow("printed 0") << QByteArray("echo 0") << 0 << false;
        QTest::newRow("printed words") << QByteArray("echo 'no backlight'") << -1 << false;
        QTest::newRow("killed") << QByteArray("kill -9 $$") << -1 << false;
    }

    void theReadCompanionGivesTheFrequency()
    {
        QFETCH(QByteArray, script);
        QFETCH(int, frequency);
        QFETCH(bool, supported);
        write_script(folder("bin"), PWMControl::kReadProgram, script);
        PWMControl control({folder("bin")});
        QCOMPARE(control.read_frequency(), frequency);
        QCOMPARE(control.is_supported(), supported);
    }

    void withoutCompanionThereIsNoPwmControl()
    {
        PWMControl control({folder("empty")});
        QVERIFY(control.read_frequency() <= 0);
        QVERIFY(!control.is_supported());
        QCOMPARE(control.set_frequency(500), -1);
    }

    void aCompanionThatHangsIsEndedAndNotRunAgain()
    {
        const QString runs = m_dir->filePath("runs");
        write_script(folder("bin"), PWMControl::kReadProgram,
                     "echo run >> '" + runs.toUtf8() + "'\nexec sleep 60");
        PWMControl control({folder("bin")}, 300);
        QCOMPARE(control.read_frequency(), -1);
        QVERIFY(!control.is_supported());
        QCOMPARE(lines_of(runs).size(), 1);
    }

    void theSetCompanionGetsTheFrequency()
    {
        const QString log = m_dir->filePath("set.log");
        write_script(folder("bin"), PWMControl::kSetProgram,
                     "echo \"$@\" >> '" + log.toUtf8() + "'\nexit 7");
        PWMControl control({folder("bin")});
        QCOMPARE(control.set_frequency(440), 7);
        QCOMPARE(lines_of(log), QStringList{"440"});
    }

    void theFirstFolderThatHoldsTheCompanionWins()
    {
        write_script(folder("beside"), PWMControl::kReadProgram, "echo 120");
        write_script(folder("path"), PWMControl::kReadProgram, "echo 240");
        QCOMPARE(PWMControl({folder("missing"), folder("beside"), folder("path")}).read_frequency(),
                 120);
        QCOMPARE(PWMControl({folder("path"), folder("beside")}).read_frequency(), 240);
    }

    void aFileThatCannotRunIsNoCompanion()
    {
        write_script(folder("bin"), PWMControl::kReadProgram, "echo 120");
        QFile(QDir(folder("bin")).filePath(PWMControl::kReadProgram))
            .setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(!PWMControl({folder("bin")}).is_supported());
    }

    void theDefaultSearchLooksBesideKavoThenOnPath()
    {
        qputenv("PATH", (folder("one") + ":" + folder("two")).toUtf8());
        const QStringList folders = PWMControl::default_folders();
        QCOMPARE(folders, (QStringList{QCoreApplication::applicationDirPath(), folder("one"),
                                       folder("two")}));
    }
};

QTEST_MAIN(TestPWMControl)
#include "tst_pwm_control.moc"
