#include "color/ColorMatrixRecipe.h"
#include "color/ColorRamp.h"
#include "color/EffectMatrices.h"
#include "color/ZoomTransform.h"

#include <QtTest>

namespace {
RampSettings colors(int temperature, float brightness = 1.0f)
{
    RampSettings settings;
    settings.temperature = temperature;
    settings.brightness = brightness;
    return settings;
}

GammaRamp applied(const ColorRamp& ramp, const RampSettings& settings,
                  GammaRamp base = ColorRamp::computingIdentity())
{
    ramp.apply(base, settings);
    return base;
}

// A colour (r, g, b, 1, 1) through `matrix`.
std::array<float, 3> transformed(const ColorMatrix& matrix, std::array<float, 3> rgb)
{
    const float in[5] = {rgb[0], rgb[1], rgb[2], 1.0f, 1.0f};
    std::array<float, 3> out{};
    for (int column = 0; column < 3; ++column) {
        for (int k = 0; k < 5; ++k)
            out[column] += in[k] * matrix.at(k, column);
    }
    return out;
}

bool near(float a, float b)
{
    return std::abs(a - b) < 1e-6f;
}

bool operator==(const ChannelMultipliers& a, const ChannelMultipliers& b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}
} // namespace

class TestColorArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void neutralTemperatureKeepsTheBase()
    {
        const GammaRamp base = ColorRamp::computingIdentity();
        QCOMPARE(applied(ColorRamp(), colors(6500)), base);
    }

    void identitiesHaveTheirEnds()
    {
        QCOMPARE(GammaRamp::identity().red[255], quint16(65280));
        QCOMPARE(ColorRamp::computingIdentity().green[1], quint16(255));
        QCOMPARE(ColorRamp::computingIdentity().green[255], quint16(65279));
        QCOMPARE(ColorRamp::invertedIdentity().blue[0], quint16(65535));
        QCOMPARE(ColorRamp::invertedIdentity().blue[255], quint16(255));
    }

    void interpolatesBetweenRows()
    {
        const ChannelMultipliers m = ColorRamp().multipliers(6550);
        QCOMPARE(m.red, static_cast<float>((1.0 + double(0.98947906f)) / 2));
        QCOMPARE(m.blue, 1.0f);
    }

    void zeroKelvinKeepsOnlyRed()
    {
        const GammaRamp ramp = applied(ColorRamp(), colors(0));
        QCOMPARE(ramp.red, ColorRamp::computingIdentity().red);
        QCOMPARE(ramp.green, GammaRamp::Channel{});
        QCOMPARE(ramp.blue, GammaRamp::Channel{});
    }

    void brightnessScalesAndClips()
    {
        const GammaRamp bright = applied(ColorRamp(), colors(6500, 1.5f));
        QCOMPARE(bright.red[171], quint16(65535));
        QVERIFY(bright.red[170] < 65535);
        QCOMPARE(bright.blue[255], quint16(65535));

        const GammaRamp dim = applied(ColorRamp(), colors(6500, 0.05f));
        const GammaRamp base = ColorRamp::computingIdentity();
        for (int i : {1, 100, 255})
            QVERIFY(std::abs(dim.green[i] - base.green[i] / 20.0) <= 1.0);
    }

    void rampKeepsTheShapeOfItsBase()
    {
        GammaRamp calibration;
        for (int i = 0; i < 256; ++i)
            calibration.red[i] = calibration.green[i] = calibration.blue[i] = quint16(i * i);
        const GammaRamp ramp = applied(ColorRamp(), colors(6500, 0.5f), calibration);
        QCOMPARE(ramp.red[200], quint16(20000));
    }

    void tableRows_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("temperature");
        QTest::addColumn<float>("red");
        QTest::addColumn<float>("green");
        QTest::addColumn<float>("blue");
        QTest::newRow("Kavo 500 K") << 1 << 500 << 1.0f << float(5 * 0.18172716 / 10) << 0.0f;
        QTest::newRow("Kavo 1000 K") << 1 << 1000 << 1.0f << 0.18172716f << 0.0f;
        QTest::newRow("Kavo 1200 K") << 1 << 1200 << 1.0f << 0.30942100f << 0.0f;
        QTest::newRow("Kavo 2500 K") << 1 << 2500 << 1.0f << 0.64373112f << 0.28819680f;
        QTest::newRow("Kavo 4500 K") << 1 << 4500 << 1.0f << 0.86860704f << 0.73688799f;
        QTest::newRow("Kavo 6400 K") << 1 << 6400 << 1.0f << 0.99448138f << 0.98899180f;
        QTest::newRow("Kavo 6600 K") << 1 << 6600 << 0.98947906f << 0.99348724f << 1.0f;
        QTest::newRow("Kavo 15000 K") << 1 << 15000 << 0.69119138f << 0.79761446f << 1.0f;
        QTest::newRow("Magmus 2000 K") << 2 << 2000 << 1.0f << 0.2630f << 0.0062f;
        QTest::newRow("Magmus 10000 K") << 2 << 9900 << 0.6000f << 0.7453f << 1.0f;
        QTest::newRow("Olaf 6500 K") << 3 << 6500 << 1.0f << 1.0f << 1.0f;
        QTest::newRow("Olaf 7000 K") << 3 << 7000 << 0.9369f << 0.9630f << 1.0f;
        QTest::newRow("Groot 3000 K") << 4 << 3000 << 1.0f << 1.0f << 0.71976954f;
        QTest::newRow("Groot 8000 K") << 4 << 8000 << 0.87906581f << 0.92357337f << 1.0f;
        QTest::newRow("Linear 1300 K") << 5 << 1300 << 1.0f << 0.2f << 0.2f;
        QTest::newRow("Linear Blue 1300 K") << 6 << 1300 << 1.0f << 1.0f << 0.2f;
        QTest::newRow("unknown scheme 7") << 7 << 3000 << 1.0f << 0.71976954f << 0.42860153f;
        QTest::newRow("unknown scheme 0") << 0 << 3000 << 1.0f << 0.71976954f << 0.42860153f;
    }

    void tableRows()
    {
        QFETCH(int, scheme);
        QFETCH(int, temperature);
        QFETCH(float, red);
        QFETCH(float, green);
        QFETCH(float, blue);
        ColorRamp ramp;
        ramp.select_scheme(scheme);
        const ChannelMultipliers m = ramp.multipliers(temperature);
        QVERIFY2(near(m.red, red) && near(m.green, green) && near(m.blue, blue),
                 qPrintable(QStringLiteral("%1 %2 %3").arg(m.red).arg(m.green).arg(m.blue)));
    }

    void leadingColorRotatesColumns()
    {
        ColorRamp ramp;
        ramp.set_leading_color(3);
        const ChannelMultipliers m = ramp.multipliers(2000);
        QCOMPARE(m.red, 0.08679949f);
        QCOMPARE(m.green, 1.0f);
        QCOMPARE(m.blue, 0.56618738f);
        ramp.set_leading_color(2);
        QCOMPARE(ramp.multipliers(2000).blue, 1.0f);
    }

    void leadingColorOutsideTheChoicesReadsAsRed_data()
    {
        QTest::addColumn<int>("leading");
        QTest::newRow("0") << 0;
        QTest::newRow("4") << 4;
        QTest::newRow("negative") << -7;
        QTest::newRow("huge") << 1000000;
    }

    void leadingColorOutsideTheChoicesReadsAsRed()
    {
        QFETCH(int, leading);
        ColorRamp ramp;
        ramp.set_leading_color(leading);
        QCOMPARE(ramp.leadingColor(), leading);
        for (int temperature : {0, 2000, 25100})
            QVERIFY(ramp.multipliers(temperature) == ColorRamp().multipliers(temperature));
    }

    void temperaturesAboveTheTableAreClamped_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<int>("leading");
        QTest::addColumn<int>("highest");
        QTest::newRow("Kavo, red") << 1 << 1 << 25099;
        QTest::newRow("Kavo, blue") << 1 << 2 << 24999;
        QTest::newRow("Kavo, green") << 1 << 3 << 24999;
        QTest::newRow("Magmus, red") << 2 << 1 << 9999;
        QTest::newRow("Olaf, green") << 3 << 3 << 9899;
    }

    void temperaturesAboveTheTableAreClamped()
    {
        QFETCH(int, scheme);
        QFETCH(int, leading);
        QFETCH(int, highest);
        ColorRamp ramp;
        ramp.select_scheme(scheme);
        ramp.set_leading_color(leading);
        const ChannelMultipliers top = ramp.multipliers(highest);
        QVERIFY(ramp.multipliers(highest - 1).red != top.red ||
                ramp.multipliers(highest - 1).green != top.green);
        for (int above : {highest + 1, highest + 100, 25100, 1000000})
            QVERIFY(ramp.multipliers(above) == top);
    }

    void effectMatrices_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<bool>("isIdentity");
        QTest::newRow("0") << 0 << true;
        QTest::newRow("29") << 29 << true;
        QTest::newRow("negative") << -1 << true;
        QTest::newRow("inversion") << 1 << false;
        QTest::newRow("desaturated") << 28 << false;
    }

    void effectMatrices()
    {
        QFETCH(int, effect);
        QFETCH(bool, isIdentity);
        QCOMPARE(EffectMatrices::matrix(effect) == ColorMatrix::identity(), isIdentity);
    }

    void effectsTransformColors_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<float>("r");
        QTest::addColumn<float>("g");
        QTest::addColumn<float>("b");
        QTest::newRow("inversion of red") << 1 << 0.0f << 1.0f << 1.0f;
        QTest::newRow("negative sepia of red") << 15 << 0.958f << 0.854f << 0.665f;
        QTest::newRow("old photo of red") << 27 << 0.45f << 0.45f << 0.05f;
        QTest::newRow("swap colors of red") << 26 << 0.0f << 0.0f << 1.0f;
        QTest::newRow("negative grayscaled red") << 17 << 0.7f << 0.0f << 0.0f;
    }

    void effectsTransformColors()
    {
        QFETCH(int, effect);
        QFETCH(float, r);
        QFETCH(float, g);
        QFETCH(float, b);
        const auto out = transformed(EffectMatrices::matrix(effect), {1, 0, 0});
        QVERIFY2(near(out[0], r) && near(out[1], g) && near(out[2], b),
                 qPrintable(QStringLiteral("%1 %2 %3").arg(out[0]).arg(out[1]).arg(out[2])));
    }

    void saturation()
    {
        QCOMPARE(ColorMatrix::saturation(100), ColorMatrix::identity());
        const ColorMatrix grey = ColorMatrix::saturation(0);
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(grey.at(0, column), 0.3086f);
            QCOMPARE(grey.at(1, column), 0.6094f);
            QCOMPARE(grey.at(2, column), 0.082f);
        }
    }

    void temperatureMatrix_data()
    {
        QTest::addColumn<int>("temperature");
        QTest::addColumn<float>("brightness");
        QTest::addColumn<bool>("isIdentity");
        QTest::newRow("negative temperature") << -1 << 0.5f << true;
        QTest::newRow("too dark") << 3000 << 0.04f << true;
        QTest::newRow("neutral") << 6500 << 1.0f << true;
        QTest::newRow("warm and dim") << 3000 << 0.5f << false;
    }

    void temperatureMatrix()
    {
        QFETCH(int, temperature);
        QFETCH(float, brightness);
        QFETCH(bool, isIdentity);
        const ColorMatrix matrix =
            ColorMatrix::temperature(ColorRamp(), colors(temperature, brightness));
        QCOMPARE(matrix == ColorMatrix::identity(), isIdentity);
        if (!isIdentity) {
            QCOMPARE(matrix.at(0, 0), 0.5f);
            QCOMPARE(matrix.at(1, 1), 0.71976954f * 0.5f);
            QCOMPARE(matrix.at(2, 2), 0.42860153f * 0.5f);
        }
    }

    void recipeInvertsBeforeTheEffect()
    {
        ColorMatrixRecipe recipe;
        recipe.effect = 2;
        recipe.inverted = true;
        const auto out = transformed(recipe.build(ColorRamp()), {1, 0, 0});
        QVERIFY(near(out[0], 0.7f) && near(out[1], 0.7f) && near(out[2], 0.7f));
    }

    void recipeSaturatesFirstAndWarmsLast()
    {
        ColorMatrixRecipe recipe;
        recipe.settings = colors(3000, 0.5f);
        recipe.saturation = 0;
        // Grey first: the warm white point then tints the grey.
        const auto out = transformed(recipe.build(ColorRamp()), {1, 0, 0});
        QVERIFY(near(out[0], 0.3086f * 0.5f));
        QVERIFY(near(out[2], 0.3086f * 0.42860153f * 0.5f));
        recipe.saturation = 100;
        QCOMPARE(recipe.build(ColorRamp()), ColorMatrix::temperature(ColorRamp(), recipe.settings));
    }

    void zoom_data()
    {
        QTest::addColumn<QPoint>("cursor");
        QTest::addColumn<float>("level");
        QTest::addColumn<QPoint>("fullscreen");
        QTest::addColumn<QPoint>("desktop");
        const QSize screen(1920, 1080);
        Q_UNUSED(screen);
        QTest::newRow("centre at 2x")
            << QPoint(960, 540) << 2.0f << QPoint(480, 270) << QPoint(-960, -540);
        QTest::newRow("top-left corner") << QPoint(0, 0) << 2.0f << QPoint(0, 0) << QPoint(0, 0);
        QTest::newRow("bottom-right corner")
            << QPoint(1919, 1079) << 2.0f << QPoint(960, 540) << QPoint(-1920, -1080);
        QTest::newRow("1.5x") << QPoint(1000, 100) << 1.5f << QPoint(360, 0) << QPoint(-540, 0);
    }

    void zoom()
    {
        QFETCH(QPoint, cursor);
        QFETCH(float, level);
        QFETCH(QPoint, fullscreen);
        QFETCH(QPoint, desktop);
        QCOMPARE(ZoomTransform::fullscreenOrigin(cursor, QSize(1920, 1080), level), fullscreen);
        QCOMPARE(ZoomTransform::desktopOffset(cursor, QSize(1920, 1080), level), desktop);
    }
};

QTEST_APPLESS_MAIN(TestColorArithmetic)
#include "tst_color_arithmetic.moc"
