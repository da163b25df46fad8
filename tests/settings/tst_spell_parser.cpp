#include "settings/SpellParser.h"

#include <QtTest>

// Spells: classified words matched against patterns with typed placeholders.
class TestSpellParser : public QObject
{
    Q_OBJECT

private slots:
    void classifiesWords_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("kind");
        const int boolean = int(SpellParser::Kind::Boolean);
        const int integer = int(SpellParser::Kind::Integer);
        const int real = int(SpellParser::Kind::Real);
        const int word = int(SpellParser::Kind::Word);
        for (const char* yes : {"true", "on", "yes", "enable", "use", "start", "false", "off", "no",
                                "disable", "halt", "stop"})
            QTest::newRow(yes) << yes << boolean;
        QTest::newRow("integer") << "5000" << integer;
        QTest::newRow("signed") << "-12" << integer;
        QTest::newRow("plus") << "+7" << integer;
        QTest::newRow("too large for an int") << "99999999999" << word;
        QTest::newRow("real") << "42.5" << real;
        QTest::newRow("leading dot") << ".5" << real;
        QTest::newRow("trailing dot") << "5." << real;
        QTest::newRow("dot alone") << "." << word;
        QTest::newRow("two dots") << "1.2.3" << word;
        QTest::newRow("unit") << "5000k" << word;
        QTest::newRow("sign alone") << "-" << word;
        QTest::newRow("exponent") << "1e5" << word;
    }

    void classifiesWords()
    {
        QFETCH(QString, word);
        QFETCH(int, kind);
        QCOMPARE(int(SpellParser::classify(word).kind), kind);
    }

    void matchesPatterns_data()
    {
        QTest::addColumn<QByteArray>("spell");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("matches");
        QTest::newRow("case is ignored") << QByteArray("ST 5000") << "st %d" << true;
        QTest::newRow("a unit makes a word")
            << QByteArray("set temperature to 5000K") << "set temperature to %d" << false;
        QTest::newRow("an integer is a real")
            << QByteArray("set latitude to 42") << "set latitude to %f" << true;
        QTest::newRow("a number is no word")
            << QByteArray("open 2 page") << "open %s page" << false;
        QTest::newRow("a yes word is no word")
            << QByteArray("open on page") << "open %s page" << false;
        QTest::newRow("extra blanks")
            << QByteArray("  enable   keyboard \t  hook  ") << "%b keyboard hook" << true;
        QTest::newRow("one word too many")
            << QByteArray("open settings page now") << "open %s page" << false;
        QTest::newRow("one word missing") << QByteArray("open page") << "open %s page" << false;
        QTest::newRow("empty spell") << QByteArray("") << "help" << false;
        QTest::newRow("the rest") << QByteArray("import A=b[sep] C") << "import %r" << true;
        QTest::newRow("no rest") << QByteArray("import") << "import %r" << false;
        QTest::newRow("bytes that are not UTF-8")
            << QByteArray("type \xff\xfe\x00x", 9) << "type %s" << true;
    }

    void matchesPatterns()
    {
        QFETCH(QByteArray, spell);
        QFETCH(QString, pattern);
        QFETCH(bool, matches);
        SpellParser parser(spell);
        QCOMPARE(parser.matches(pattern), matches);
    }

    void readsValuesBackByPosition()
    {
        SpellParser parser("Disable Monitor 2");
        QVERIFY(parser.matches("%b monitor %d"));
        QCOMPARE(parser.boolean(0), false);
        QCOMPARE(parser.integer(2), 2);

        SpellParser location("set longitude to -12.25");
        QVERIFY(location.matches("set longitude to %f"));
        QCOMPARE(location.real(3), -12.25);

        SpellParser type("TYPE Dark");
        QVERIFY(type.matches("type %s"));
        QCOMPARE(type.word(1), QString("dark"));
        // Positions past the end read as nothing.
        QCOMPARE(type.word(7), QString());
        QCOMPARE(type.integer(-1), 0);
    }

    // "%r" keeps the spell as typed: an imported line keeps its case and its blanks.
    void theRestKeepsCaseAndBlanks()
    {
        SpellParser parser("  IMPORT  #Created_by_X[sep]DayTemperature=4000[sep]A = B ");
        QVERIFY(parser.matches("import %r"));
        QCOMPARE(parser.rest(), QString("#Created_by_X[sep]DayTemperature=4000[sep]A = B"));
    }
};

QTEST_APPLESS_MAIN(TestSpellParser)
#include "tst_spell_parser.moc"
