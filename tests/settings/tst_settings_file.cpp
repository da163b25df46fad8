#include "settings/SettingsFile.h"
#include "settings/SettingsTable.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using SettingsFile::Form;

// The settings export format: both forms, the escapes, and what an import may write.
class TestSettingsFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    // A store holding every key of the table with a value that tests the escapes.
    void fillEveryKey(QSettings& store)
    {
        for (const SettingKey& key : SettingsTable::keys()) {
            if (key.type == SettingType::Point || key.type == SettingType::List)
                continue;
            store.setValue(QLatin1String(key.name), QStringLiteral("v-%1=a\nb+c/d").arg(key.name));
        }
        store.setValue("DayTemperature2", "-5");
        store.sync();
    }

    QMap<QString, QString> importedEntries(const QString& text)
    {
        QMap<QString, QString> entries;
        for (const SettingsFile::Entry& entry : SettingsFile::parse(text).entries)
            entries.insert(entry.key, entry.value);
        return entries;
    }

private slots:
    void everyKeyRoundTrips_data()
    {
        QTest::addColumn<int>("form");
        QTest::newRow("file") << int(Form::MultiLine);
        QTest::newRow("one line") << int(Form::OneLine);
    }

    void everyKeyRoundTrips()
    {
        QFETCH(int, form);
        QSettings store(path("round_trip.ini"), QSettings::IniFormat);
        store.clear();
        fillEveryKey(store);
        const QString text = QString::fromUtf8(SettingsFile::write(store, Form(form)));
        if (Form(form) == Form::OneLine) {
            QVERIFY(!text.contains('\n'));
            // What a command line would change is escaped.
            QVERIFY(!text.contains('-') && !text.contains('+') && !text.contains('/'));
        }

        const SettingsFile::Parsed parsed = SettingsFile::parse(text);
        QVERIFY(parsed.has_header);
        QVERIFY(parsed.invalid_lines.isEmpty());
        QVERIFY(parsed.unknown_keys.isEmpty());
        const QMap<QString, QString> entries = importedEntries(text);
        for (const QString& key : store.allKeys()) {
            if (SettingsFile::is_never_imported(key))
                QVERIFY2(!entries.contains(key), qPrintable(key));
            else
                QCOMPARE(entries.value(key), store.value(key).toString());
        }
        QCOMPARE(entries.value("DayTemperature2"), QString("-5"));
    }

    void theCommandTextIsNeverExported()
    {
        QSettings store(path("api.ini"), QSettings::IniFormat);
        store.setValue("ApiArguments", "open");
        store.setValue("IsFirstStart", false);
        const QString text = QString::fromUtf8(SettingsFile::write(store, Form::MultiLine));
        QVERIFY(!text.contains("ApiArguments"));
        QVERIFY(text.contains("IsFirstStart=false\n"));
    }

    void escapes_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("form");
        QTest::addColumn<QString>("written");
        QTest::newRow("lines") << "a.exe\nb.exe" << int(Form::MultiLine) << "a.exe[new_line]b.exe";
        QTest::newRow("minus in a file") << "-5" << int(Form::MultiLine) << "-5";
        QTest::newRow("minus in a line") << "-5" << int(Form::OneLine) << "[minus]5";
        QTest::newRow("equal") << "a=b" << int(Form::MultiLine) << "a[equal]b";
        QTest::newRow("shortcut in a line")
            << "Ctrl+Alt+-" << int(Form::OneLine) << "Ctrl[plus]Alt[plus][minus]";
    }

    void escapes()
    {
        QFETCH(QString, value);
        QFETCH(int, form);
        QFETCH(QString, written);
        QCOMPARE(SettingsFile::escape(value, Form(form)), written);
        QCOMPARE(SettingsFile::unescape(written), value);
    }

    void readsHandWrittenFiles_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QStringList>("invalid");
        QTest::addColumn<int>("unknown");
        const QString header = SettingsFile::header(Form::MultiLine);
        QTest::newRow("comments") << header + "\n; a note\n#another\nWorkTime=30\n"
                                  << QStringList{"WorkTime"} << QStringList() << 0;
        QTest::newRow("CR LF") << header + "\r\nWorkTime=30\r\nRestTime=40\r\n"
                               << QStringList{"WorkTime", "RestTime"} << QStringList() << 0;
        QTest::newRow("no last separator")
            << header + "\nWorkTime=30" << QStringList{"WorkTime"} << QStringList() << 0;
        QTest::newRow("garbage") << header + "\nFoo\na=b=c\n=5\n\n\nWorkTime=30\n"
                                 << QStringList{"WorkTime"} << QStringList{"Foo", "a=b=c", "=5"}
                                 << 0;
        QTest::newRow("sep inside a file line")
            << header + "\nWorkTime=30[sep]RestTime=1\n"
            << QStringList{"WorkTime", "RestTime"} << QStringList() << 0;
        QTest::newRow("unknown keys") << header + "\nNoSuchKey=1\nDayTemperature0=1\nWorkTime=3\n"
                                      << QStringList{"WorkTime"} << QStringList() << 2;
        QTest::newRow("never imported") << header + "\nApiArguments=quit\nIsFirstStart=true\n"
                                                    "SaveVersion=5\nUnusedPages=\nWorkTime=3\n"
                                        << QStringList{"WorkTime"} << QStringList() << 0;
        QTest::newRow("per monitor") << header + "\nNightBrightness3=90\n"
                                     << QStringList{"NightBrightness3"} << QStringList() << 0;
    }

    void readsHandWrittenFiles()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, invalid);
        QFETCH(int, unknown);
        const SettingsFile::Parsed parsed = SettingsFile::parse(text);
        QVERIFY(parsed.has_header);
        QStringList read;
        for (const SettingsFile::Entry& entry : parsed.entries)
            read << entry.key;
        QCOMPARE(read, keys);
        QCOMPARE(parsed.invalid_lines, invalid);
        QCOMPARE(parsed.unknown_keys.size(), unknown);
    }

    void theHeaderMustComeFirst()
    {
        QVERIFY(!SettingsFile::parse("WorkTime=30\n").has_header);
        QVERIFY(!SettingsFile::parse("WorkTime=30\n#Created by me\n").has_header);
        QVERIFY(SettingsFile::parse("\n\n#Created by YOUR NAME <x>\nWorkTime=30").has_header);
        QVERIFY(SettingsFile::parse("#Created_by_YOUR_NAME_<x>[sep]WorkTime=30").has_header);
    }
};

QTEST_APPLESS_MAIN(TestSettingsFile)
#include "tst_settings_file.moc"
