#include "color/ColorMatrixRecipe.h"
#include "color/ColorRamp.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

namespace {
struct Run
{
    int status = -1;
    QJsonObject output;
    QString error;
};

Run kavoctl(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(KAVOCTL_BINARY), arguments);
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.status = process.exitCode();
    run.output = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    run.error = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QJsonArray levels(const GammaRamp::Channel& channel)
{
    QJsonArray array;
    for (quint16 level : channel)
        array.append(level);
    return array;
}
} // namespace

class TestKavoctlColor : public QObject
{
    Q_OBJECT

private slots:
    void rampIsWhatTheProgramWrites_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("temperature");
        QTest::addColumn<float>("brightness");
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("leading");
        QTest::addColumn<bool>("inverted");
        QTest::newRow("defaults") << QStringList{} << 3400 << 0.8f << 1 << 1 << false;
        QTest::newRow("bright, clipped") << QStringList{} << 6500 << 1.5f << 1 << 1 << false;
        QTest::newRow("scheme 6") << QStringList{"--scheme", "6"} << 2500 << 1.0f << 6 << 1
                                  << false;
        QTest::newRow("Olaf, green leads") << QStringList{"--scheme", "3", "--leading-color", "3"}
                                           << 2000 << 0.5f << 3 << 3 << false;
        QTest::newRow("inverted base")
            << QStringList{"--base", "inverted"} << 4500 << 0.9f << 1 << 1 << true;
    }

    void rampIsWhatTheProgramWrites()
    {
        QFETCH(QStringList, options);
        QFETCH(int, temperature);
        QFETCH(float, brightness);
        QFETCH(int, scheme);
        QFETCH(int, leading);
        QFETCH(bool, inverted);
        // Brightness in percent, as on the pages.
        const Run run =
            kavoctl(QStringList{"ramp", "--temperature", QString::number(temperature),
                                "--brightness", QString::number(qRound(brightness * 100))} +
                    options);
        QCOMPARE(run.status, 0);
        ColorRamp ramp;
        ramp.select_scheme(scheme);
        ramp.set_leading_color(leading);
        GammaRamp expected =
            inverted ? ColorRamp::invertedIdentity() : ColorRamp::computingIdentity();
        RampSettings settings;
        settings.temperature = temperature;
        settings.brightness = brightness;
        ramp.apply(expected, settings);
        QCOMPARE(run.output["red"].toArray(), levels(expected.red));
        QCOMPARE(run.output["green"].toArray(), levels(expected.green));
        QCOMPARE(run.output["blue"].toArray(), levels(expected.blue));
    }

    void matrixIsWhatTheProgramApplies()
    {
        const Run run = kavoctl({"matrix", "--temperature", "3000", "--brightness=70", "--effect",
                                 "2", "--inverted", "--saturation", "50"});
        QCOMPARE(run.status, 0);
        ColorMatrixRecipe recipe;
        recipe.settings.temperature = 3000;
        recipe.settings.brightness = 0.7f;
        recipe.effect = 2;
        recipe.inverted = true;
        recipe.saturation = 50;
        const ColorMatrix expected = recipe.build(ColorRamp());
        const QJsonArray matrix = run.output["matrix"].toArray();
        QCOMPARE(matrix.size(), 25);
        for (int i = 0; i < 25; ++i)
            QCOMPARE(float(matrix[i].toDouble()), expected.values[i]);
    }

    void neutralMatrixIsTheIdentity()
    {
        const Run run = kavoctl({"matrix", "--temperature", "6500", "--brightness", "100"});
        QCOMPARE(run.status, 0);
        const QJsonArray matrix = run.output["matrix"].toArray();
        for (int i = 0; i < 25; ++i)
            QCOMPARE(matrix[i].toDouble(), i % 6 == 0 ? 1.0 : 0.0);
    }
};

QTEST_GUILESS_MAIN(TestKavoctlColor)
#include "tst_kavoctl_color.moc"
