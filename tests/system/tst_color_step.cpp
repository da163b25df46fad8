// The temperature and brightness shortcuts: which of day, night and sleep moves, and where to.
#include "system/ColorStep.h"

#include <QtTest>

using ColorStep::Result;

class TestColorStep : public QObject
{
    Q_OBJECT

private slots:
    void stepsMoveTheClosestValue_data()
    {
        QTest::addColumn<QVector<int>>("values"); // day, night, sleep
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("phase");
        QTest::addColumn<bool>("brightness");
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("value");

        QTest::newRow("night is closest")
            << QVector<int>{6500, 3400, 2700} << 3500 << 500 << 1 << false << 1 << 3900;
        QTest::newRow("day already at the top")
            << QVector<int>{6500, 3400, 2700} << 6500 << 500 << 0 << false << -1 << 0;
        QTest::newRow("rising stops at 6500")
            << QVector<int>{6200, 3400, 2700} << 6300 << 500 << 0 << false << 0 << 6500;
        QTest::newRow("falling stops at 0")
            << QVector<int>{6500, 3400, 300} << 200 << -500 << 2 << false << 2 << 0;
        QTest::newRow("tie goes to day")
            << QVector<int>{4000, 3000, 2000} << 3500 << -500 << 1 << false << 0 << 3500;
        QTest::newRow("equal values: the phase's")
            << QVector<int>{5000, 5000, 2700} << 5000 << -500 << 1 << false << 1 << 4500;
        QTest::newRow("equal values, phase elsewhere: the first")
            << QVector<int>{5000, 5000, 2700} << 5000 << -500 << 2 << false << 0 << 4500;
        QTest::newRow("brightness down to 5")
            << QVector<int>{100, 8, 50} << 8 << -10 << 1 << true << 1 << 5;
        QTest::newRow("brightness at 5 stays")
            << QVector<int>{100, 5, 50} << 5 << -10 << 1 << true << -1 << 0;
        QTest::newRow("brightness up to 100")
            << QVector<int>{95, 60, 50} << 97 << 10 << 0 << true << 0 << 100;
        QTest::newRow("no step") << QVector<int>{6500, 3400, 2700} << 3500 << 0 << 1 << false << -1
                                 << 0;
    }

    void stepsMoveTheClosestValue()
    {
        QFETCH(QVector<int>, values);
        QFETCH(int, shown);
        QFETCH(int, delta);
        QFETCH(int, phase);
        QFETCH(bool, brightness);
        QFETCH(int, which);
        QFETCH(int, value);
        const Result result =
            ColorStep::step({values[0], values[1], values[2]}, shown, delta, phase,
                            brightness ? ColorStep::kBrightness : ColorStep::kTemperature);
        QCOMPARE(result.which, which);
        if (which != ColorStep::None)
            QCOMPARE(result.value, value);
    }
};

QTEST_APPLESS_MAIN(TestColorStep)
#include "tst_color_step.moc"
