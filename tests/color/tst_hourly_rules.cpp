// The hourly configuration files: their format, the rules Kavo keeps, and which rule an hour
// takes.
#include "color/HourlyRules.h"

#include <QBuffer>
#include <QtTest>

#include <limits>

Q_DECLARE_METATYPE(QVector<HourlyRule>)

namespace {
HourlyRulesFile read(const QByteArray& bytes, int min = 0, int max = 10000)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return HourlyRules::read(buffer, min, max);
}

QByteArray repeated(const QByteArray& rule, int times)
{
    QByteArray bytes;
    for (int i = 0; i < times; ++i)
        bytes += rule;
    return bytes;
}
} // namespace

namespace QTest {
template <> char* toString(const QVector<HourlyRule>& rules)
{
    QByteArray text;
    for (const HourlyRule& rule : rules)
        text += QByteArray::number(rule.start_hour) + "-" + QByteArray::number(rule.end_hour) +
                ":" + QByteArray::number(rule.value) + " ";
    return qstrdup(text.constData());
}
} // namespace QTest

class TestHourlyRules : public QObject
{
    Q_OBJECT

private slots:
    void fileContents_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QVector<HourlyRule>>("rules");
        QTest::addColumn<int>("hoursSkipped");
        QTest::addColumn<int>("valuesSkipped");
        QTest::addColumn<bool>("truncated");

        QTest::newRow("triples") << QByteArray("20 24 3000\n0 6 2500\n")
                                 << QVector<HourlyRule>{{20, 24, 3000}, {0, 6, 2500}} << 0 << 0
                                 << false;
        QTest::newRow("any whitespace") << QByteArray("\t20\r\n24   3000")
                                        << QVector<HourlyRule>{{20, 24, 3000}} << 0 << 0 << false;
        QTest::newRow("a broken triple at the end")
            << QByteArray("0 24 4000 5 6") << QVector<HourlyRule>{{0, 24, 4000}} << 0 << 0 << false;
        QTest::newRow("a word ends the reading")
            << QByteArray("0 24 4000 night 1 2 3000") << QVector<HourlyRule>{{0, 24, 4000}} << 0
            << 0 << false;
        QTest::newRow("a number with a word glued to it")
            << QByteArray("0 24 4000 1 2 30K") << QVector<HourlyRule>{{0, 24, 4000}} << 0 << 0
            << false;
        QTest::newRow("signs") << QByteArray("+1 +2 +3000") << QVector<HourlyRule>{{1, 2, 3000}}
                               << 0 << 0 << false;
        QTest::newRow("hours outside the day")
            << QByteArray("-1 5 3000 20 25 3000 0 24 3000") << QVector<HourlyRule>{{0, 24, 3000}}
            << 2 << 0 << false;
        QTest::newRow("values outside the range")
            << QByteArray("0 1 -5 1 2 10001 2 3 10000") << QVector<HourlyRule>{{2, 3, 10000}} << 0
            << 2 << false;
        QTest::newRow("a number past int32 ends the reading")
            << QByteArray("0 24 4000 1 2 99999999999") << QVector<HourlyRule>{{0, 24, 4000}} << 0
            << 0 << false;
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe 1 2 3", 9) << QVector<HourlyRule>{}
                                << 0 << 0 << false;
        QTest::newRow("empty") << QByteArray() << QVector<HourlyRule>{} << 0 << 0 << false;
        QTest::newRow("only the first 1000 triples")
            << repeated("0 24 4000\n", 1500)
            << QVector<HourlyRule>(HourlyRules::kMaxRules, HourlyRule{0, 24, 4000}) << 0 << 0
            << true;
        QTest::newRow("skipped triples count towards the 1000")
            << repeated("30 31 4000\n", 1000) + "0 24 4000" << QVector<HourlyRule>{} << 1000 << 0
            << true;
        QTest::newRow("a megabyte of nothing")
            << QByteArray(2 << 20, ' ') + "0 24 4000" << QVector<HourlyRule>{} << 0 << 0 << true;
    }

    void fileContents()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QVector<HourlyRule>, rules);
        QFETCH(int, hoursSkipped);
        QFETCH(int, valuesSkipped);
        QFETCH(bool, truncated);
        const HourlyRulesFile file = read(bytes);
        QCOMPARE(file.rules, rules);
        QCOMPARE(file.hours_skipped, hoursSkipped);
        QCOMPARE(file.values_skipped, valuesSkipped);
        QCOMPARE(file.truncated, truncated);
    }

    void theWholeIntegerRangeCanBeAccepted()
    {
        const int min = std::numeric_limits<int>::min();
        const int max = std::numeric_limits<int>::max();
        const HourlyRulesFile file = read("0 1 -2147483648 1 2 2147483647", min, max);
        QCOMPARE(file.rules, (QVector<HourlyRule>{{0, 1, min}, {1, 2, max}}));
    }

    void theRuleOfAnHour_data()
    {
        QTest::addColumn<QVector<HourlyRule>>("rules");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("value"); // -1: no rule applies

        const QVector<HourlyRule> evening{{20, 24, 5}};
        QTest::newRow("inside") << evening << 22 << 5;
        QTest::newRow("the start hour is inside") << evening << 20 << 5;
        QTest::newRow("the hour before the start") << evening << 19 << -1;
        QTest::newRow("the end hour is outside") << QVector<HourlyRule>{{0, 6, 5}} << 6 << -1;
        QTest::newRow("the last hour of the end") << QVector<HourlyRule>{{0, 6, 5}} << 5 << 5;
        QTest::newRow("start after end never applies")
            << QVector<HourlyRule>{{22, 6, 3}} << 23 << -1;
        QTest::newRow("the last match wins")
            << QVector<HourlyRule>{{0, 24, 4000}, {20, 23, 3000}, {21, 22, 2500}} << 21 << 2500;
        QTest::newRow("a later rule that does not match leaves the earlier")
            << QVector<HourlyRule>{{0, 24, 4000}, {1, 2, 3000}} << 21 << 4000;
        QTest::newRow("no rules") << QVector<HourlyRule>{} << 12 << -1;
    }

    void theRuleOfAnHour()
    {
        QFETCH(QVector<HourlyRule>, rules);
        QFETCH(int, hour);
        QFETCH(int, value);
        const std::optional<int> found = HourlyRules::value_at(rules, hour);
        QCOMPARE(found.value_or(-1), value);
    }
};

QTEST_APPLESS_MAIN(TestHourlyRules)
#include "tst_hourly_rules.moc"
