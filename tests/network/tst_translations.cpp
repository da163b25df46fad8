// The eighteen translation sources: complete (but for the languages still being translated),
// the same texts in every language, placeholders kept, every text of Kavo and its pages
// extracted, and every language compiled into Kavo.
#include "TranslationSource.h"
#include "network/Translator.h"

#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kSources = QStringLiteral(KAVO_SOURCE_DIR "/resources/translations/");

QString source_of(const QString& code)
{
    return kSources + QStringLiteral("kavo_") + code + QStringLiteral(".ts");
}

QStringList in_progress()
{
    QFile file(kSources + QStringLiteral("in-progress.txt"));
    QStringList codes;
    if (!file.open(QIODevice::ReadOnly))
        return codes;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QString code = QString::fromUtf8(line).trimmed();
        if (!code.isEmpty() && !code.startsWith(QLatin1Char('#')))
            codes << code;
    }
    return codes;
}

QSet<QString> placeholders(const QString& text)
{
    QSet<QString> found;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("%\\d+")).globalMatch(text);
    while (it.hasNext())
        found.insert(it.next().captured());
    return found;
}

int number_in(const QString& text, const QString& pattern)
{
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(text);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private:
    void add_language_rows()
    {
        QTest::addColumn<QString>("code");
        for (const QString& code : Translator::language_codes())
            QTest::newRow(qPrintable(code)) << code;
    }

private slots:
    void everyLanguageIsComplete_data() { add_language_rows(); }

    // lrelease counts what it compiles: nothing unfinished, no text left untranslated.
    void everyLanguageIsComplete()
    {
        QFETCH(QString, code);
        QTemporaryDir dir;
        QProcess lrelease;
        lrelease.setProcessChannelMode(QProcess::MergedChannels);
        lrelease.start(QStringLiteral(KAVO_LRELEASE), {source_of(code), QStringLiteral("-qm"),
                                                       dir.filePath(QStringLiteral("x.qm"))});
        QVERIFY(lrelease.waitForFinished(60000));
        QCOMPARE(lrelease.exitCode(), 0);
        const QString report = QString::fromUtf8(lrelease.readAll());
        const int finished = number_in(report, QStringLiteral("\\((\\d+) finished"));
        const int unfinished = number_in(report, QStringLiteral("and (\\d+) unfinished"));
        const int untranslated = number_in(report, QStringLiteral("Ignored (\\d+) untranslated"));
        const TranslationSource file = TranslationSource::read(source_of(code));
        QVERIFY2(file.problem.isEmpty(), qPrintable(file.problem));
        int empty = 0;
        for (const TranslationSource::Message& message : file.messages)
            empty += message.finished && message.translation.isEmpty();
        qInfo("%s: %d of %d texts translated", qPrintable(code), finished - empty,
              int(file.messages.size()));

        if (in_progress().contains(code))
            QEXPECT_FAIL("",
                         "still being translated: take the code out of "
                         "resources/translations/in-progress.txt when it is complete",
                         Abort);
        QVERIFY2(unfinished == 0 && untranslated == 0 && empty == 0,
                 qPrintable(QStringLiteral("%1 unfinished, %2 untranslated, %3 empty")
                                .arg(unfinished)
                                .arg(untranslated)
                                .arg(empty)));
    }

    void everyLanguageHasTheTextsOfEnglish_data() { add_language_rows(); }

    void everyLanguageHasTheTextsOfEnglish()
    {
        QFETCH(QString, code);
        const TranslationSource english = TranslationSource::read(source_of(QStringLiteral("en")));
        const TranslationSource file = TranslationSource::read(source_of(code));
        QVERIFY(!english.messages.isEmpty());
        QCOMPARE(file.keys(), english.keys());
        // The language Qt Linguist and the plural rules go by ("ja" for Kavo's "jp").
        QVERIFY2(QLocale(file.language).language() != QLocale::C, qPrintable(file.language));
    }

    void finishedTranslationsKeepThePlaceholders_data() { add_language_rows(); }

    void finishedTranslationsKeepThePlaceholders()
    {
        QFETCH(QString, code);
        for (const TranslationSource::Message& message :
             TranslationSource::read(source_of(code)).messages) {
            if (message.finished)
                QVERIFY2(placeholders(message.translation) == placeholders(message.source),
                         qPrintable(message.source + QStringLiteral(" -> ") + message.translation));
        }
    }

    // The pages' texts, GET_STRING's and every tr() of Kavo are in the translation sources.
    void theSourcesHoldEveryTextOfKavo()
    {
        QProcess check;
        check.setProcessChannelMode(QProcess::MergedChannels);
        check.start(QStringLiteral(KAVO_PYTHON),
                    {QStringLiteral(KAVO_SOURCE_DIR "/scripts/update-translations.py"),
                     QStringLiteral("--check"), QStringLiteral("--lupdate"),
                     QStringLiteral(KAVO_LUPDATE)});
        QVERIFY(check.waitForFinished(240000));
        QVERIFY2(check.exitCode() == 0, check.readAll().constData());
    }

    void everyLanguageIsPartOfKavo_data() { add_language_rows(); }

    void everyLanguageIsPartOfKavo()
    {
        QFETCH(QString, code);
        Translator translator;
        translator.load_translation_file(code);
        QCOMPARE(translator.language_code(), code);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
