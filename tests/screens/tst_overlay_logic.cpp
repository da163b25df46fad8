// The arithmetic of the overlay family: page statements, the selected area, where the windows
// go, the curves the gamma ramps show, the software effects' picture and the opacity schedule.
#include "color/ChannelCurves.h"
#include "color/EffectMatrices.h"
#include "screens/OverlayLayout.h"
#include "screens/OverlayPalette.h"
#include "screens/OverlaySchedule.h"
#include "screens/OverlayStatements.h"
#include "screens/ScreenEffectImage.h"

#include <QtTest>

using OverlayLayout::Target;
Q_DECLARE_METATYPE(OverlayLayout::Target)

// A value of the current data row, inside an expression.
#define FETCH(Type, name) (*static_cast<Type*>(QTest::qData(#name, ::qMetaTypeId<Type>())))

class TestOverlayLogic : public QObject
{
    Q_OBJECT

private slots:
    void backgroundColorStatement_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("dim");
        QTest::addColumn<float>("alpha");
        QTest::addColumn<QString>("statement");
        QTest::newRow("red at 35 %") << 9 << 0 << 0.35f
                                     << "set_background_color('rgba(255, 0, 0, 0.35)');";
        QTest::newRow("night 60 %") << 9 << 0 << 0.6f
                                    << "set_background_color('rgba(255, 0, 0, 0.6)');";
        QTest::newRow("dim 50") << 9 << 50 << 0.6f
                                << "set_background_color('rgba(127, 0, 0, 0.6)');";
        QTest::newRow("opaque") << 2 << 10 << 1.0f
                                << "set_background_color('rgba(57, 201, 187, 1)');";
        QTest::newRow("none") << 12 << 0 << 0.0f
                              << "set_background_color('rgba(255, 244, 79, 0)');";
        QTest::newRow("unknown code is white") << 13 << 0 << 0.05f
                                               << "set_background_color('rgba(255, 255, 255, 0.05)');";
    }

    void backgroundColorStatement()
    {
        QFETCH(int, code);
        QFETCH(int, dim);
        QFETCH(float, alpha);
        OverlayPalette::Rgb rgb;
        QCOMPARE(OverlayPalette::color(code, rgb), code >= 1 && code <= 12);
        QCOMPARE(OverlayStatements::set_background_color(OverlayPalette::dimmed(rgb, dim), alpha),
                 FETCH(QString, statement));
    }

    void otherStatements()
    {
        QCOMPARE(OverlayStatements::create_div(QRect(200, 100, 300, 300)),
                 QStringLiteral("createDiv(200, 100, 300, 300);"));
        QCOMPARE(OverlayStatements::reset_area(), QStringLiteral("reset_area();"));
        QCOMPARE(OverlayStatements::set_box_shadow(50, 40, 30, 20),
                 QStringLiteral("set_box_shadow(50, 40, 30, 20);"));
    }

    void storedColourText_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("refused");
        QTest::newRow("number") << QVariant(3) << 3 << false;
        QTest::newRow("number as text") << QVariant("7") << 7 << false;
        QTest::newRow("statement text") << QVariant("red'); x('") << 9 << true;
        QTest::newRow("empty") << QVariant(QString()) << 9 << true;
    }

    void storedColourText()
    {
        bool refused = false;
        QCOMPARE(OverlayPalette::code_from_setting(FETCH(QVariant, stored), &refused),
                 FETCH(int, code));
        QCOMPARE(refused, FETCH(bool, refused));
    }

    void selectionInAnyDirection_data()
    {
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QPoint>("end");
        QTest::addColumn<QRect>("area");
        const QRect area(200, 100, 300, 300);
        QTest::newRow("down right") << QPoint(200, 100) << QPoint(500, 400) << area;
        QTest::newRow("up left") << QPoint(500, 400) << QPoint(200, 100) << area;
        QTest::newRow("down left") << QPoint(500, 100) << QPoint(200, 400) << area;
        QTest::newRow("up right") << QPoint(200, 400) << QPoint(500, 100) << area;
        QTest::newRow("across monitors") << QPoint(1800, 50) << QPoint(2100, 250)
                                         << QRect(1800, 50, 300, 200);
        QTest::newRow("a click") << QPoint(300, 300) << QPoint(300, 300) << QRect(300, 300, 0, 0);
    }

    void selectionInAnyDirection()
    {
        const QRect area = OverlayLayout::spanned(FETCH(QPoint, start), FETCH(QPoint, end));
        QCOMPARE(area, FETCH(QRect, area));
    }

    void selectionInEachMonitorsWindow()
    {
        const QRect area(1800, 50, 300, 200);
        // The first monitor's window sees it on its right edge, the second's on its left.
        QCOMPARE(OverlayLayout::in_window(area, QPoint(0, 0)), area);
        QCOMPARE(OverlayLayout::in_window(area, QPoint(1920, 0)), QRect(-120, 50, 300, 200));
    }

    void windowsForTheMonitors_data()
    {
        QTest::addColumn<QVector<QRect>>("monitors");
        QTest::addColumn<QList<int>>("excluded");
        QTest::addColumn<QVector<Target>>("overlays");
        QTest::addColumn<QVector<Target>>("lightness");
        const QRect first(0, 0, 1920, 1080);
        const QRect second(1920, 0, 2560, 1440);
        QTest::newRow("one window over both") << QVector<QRect>{first, second} << QList<int>{}
                                              << QVector<Target>{{-1, QRect(0, 0, 4480, 1440)}}
                                              << QVector<Target>{{0, first}, {1, second}};
        QTest::newRow("second excluded") << QVector<QRect>{first, second} << QList<int>{2}
                                         << QVector<Target>{{0, first}}
                                         << QVector<Target>{{0, first}};
        QTest::newRow("first excluded") << QVector<QRect>{first, second} << QList<int>{1}
                                        << QVector<Target>{{1, second}}
                                        << QVector<Target>{{1, second}};
        const QRect left(-1280, 0, 1280, 1024);
        QTest::newRow("a monitor left of the first")
            << QVector<QRect>{first, left} << QList<int>{}
            << QVector<Target>{{-1, QRect(-1280, 0, 3200, 1080)}}
            << QVector<Target>{{0, first}, {1, left}};
    }

    void windowsForTheMonitors()
    {
        QFETCH(QVector<QRect>, monitors);
        QFETCH(QList<int>, excluded);
        QCOMPARE(OverlayLayout::overlay_targets(monitors, excluded),
                 FETCH(QVector<Target>, overlays));
        QCOMPARE(OverlayLayout::monitor_targets(monitors, excluded),
                 FETCH(QVector<Target>, lightness));
    }

    void effectsThatAGammaRampShows_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<bool>("live");
        QTest::newRow("simple inversion") << 1 << true;
        QTest::newRow("grayscale") << 2 << false;
        QTest::newRow("negative grayscale") << 5 << false;
        QTest::newRow("washout") << 6 << true;
        QTest::newRow("washout 3") << 8 << true;
        QTest::newRow("sepia") << 14 << false;
        QTest::newRow("negative grayscale red") << 17 << false;
        QTest::newRow("deuteranopia") << 18 << false;
        QTest::newRow("swap colors") << 26 << false;
        QTest::newRow("none") << 0 << true;
    }

    void effectsThatAGammaRampShows()
    {
        ChannelCurves curves;
        QCOMPARE(ChannelCurves::from_matrix(EffectMatrices::matrix(FETCH(int, effect)), curves),
                 FETCH(bool, live));
    }

    void curvesActBeforeTheRamp()
    {
        ChannelCurves inversion;
        QVERIFY(ChannelCurves::from_matrix(EffectMatrices::matrix(1), inversion));
        const GammaRamp inverted = inversion.applied_before(GammaRamp::identity());
        QCOMPARE(inverted.red[0], quint16(255 * 256));
        QCOMPARE(inverted.green[255], quint16(0));
        QCOMPARE(inverted.blue[55], quint16(200 * 256));

        // Half a red layer: black shows half red, white keeps its red and halves the rest.
        const GammaRamp layered =
            ChannelCurves::layer(255, 0, 0, 0.5f).applied_before(GammaRamp::identity());
        QCOMPARE(layered.red[0], quint16(std::lround(127.5 * 256)));
        QCOMPARE(layered.red[255], quint16(255 * 256));
        QCOMPARE(layered.green[255], quint16(std::lround(127.5 * 256)));
        QCOMPARE(layered.green[0], quint16(0));

        // The layer acts first, then the effect.
        const ChannelCurves both =
            ChannelCurves::compose(ChannelCurves::layer(0, 0, 0, 1.0f), inversion);
        QCOMPARE(both.applied_before(GammaRamp::identity()).red[128], quint16(255 * 256));
        QVERIFY(ChannelCurves().is_identity());
        QCOMPARE(ChannelCurves().applied_before(GammaRamp::identity()), GammaRamp::identity());
    }

    void softwareEffectsPicture_data()
    {
        QTest::addColumn<bool>("invert");
        QTest::addColumn<bool>("grey");
        QTest::addColumn<int>("effect"); // a matrix effect, 0 for none
        QTest::addColumn<QColor>("in");
        QTest::addColumn<QColor>("out");
        QTest::newRow("grey red") << false << true << 0 << QColor(255, 0, 0) << QColor(87, 87, 87);
        QTest::newRow("inverted, then grey") << true << true << 0 << QColor(255, 0, 0)
                                             << QColor(167, 167, 167);
        QTest::newRow("inverted") << true << false << 0 << QColor(10, 20, 30)
                                  << QColor(245, 235, 225);
        QTest::newRow("swap colors") << false << false << 26 << QColor(10, 20, 30)
                                     << QColor(30, 20, 10);
        QTest::newRow("sepia of white") << false << false << 14 << QColor(255, 255, 255)
                                        << QColor(255, 255, 239);
    }

    void softwareEffectsPicture()
    {
        QFETCH(int, effect);
        ScreenEffectImage effects;
        effects.invert = FETCH(bool, invert);
        effects.grey = FETCH(bool, grey);
        if (effect)
            effects.matrix = EffectMatrices::matrix(effect);
        QImage picture(4, 3, QImage::Format_RGB32);
        picture.fill(FETCH(QColor, in));
        const QImage result = effects.processed(picture);
        QCOMPARE(result.size(), picture.size());
        QCOMPARE(QColor(result.pixel(3, 2)), FETCH(QColor, out));
    }

    void opacityFollowsTheTimeOfDay_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<bool>("forceNight");
        QTest::addColumn<int>("opacity");
        QTest::addColumn<int>("dim");
        QTest::newRow("midday") << "12:00" << false << 5 << 0;
        QTest::newRow("midnight") << "00:30" << false << 60 << 50;
        QTest::newRow("manual colours keep the night") << "12:00" << true << 60 << 0;
        QTest::newRow("night has begun") << "21:00" << false << 60 << 50;
        QTest::newRow("night has ended") << "07:00" << false << 5 << 0;
    }

    void opacityFollowsTheTimeOfDay()
    {
        QFETCH(bool, forceNight);
        const SettingsMap settings{
            {"DayOpacity", 5},           {"NightOpacity", 60},
            {"DayDim", 0},               {"NightDim", 50},
            {"UseManualNightDuration", true},
            {"NightStartTimeHours", 21}, {"NightStartTimeMinutes", 0},
            {"NightEndTimeHours", 7},    {"NightEndTimeMinutes", 0},
            {"DayTransitionDuration", 0}, {"NightTransitionDuration", 0},
            {"UseManualColorSettings", forceNight}};
        const Location location;
        OverlaySchedule schedule(settings, location);
        const double instant = QDateTime(QDate(2026, 6, 10), QTime::fromString(FETCH(QString, time), "hh:mm"))
                                   .toMSecsSinceEpoch();
        QCOMPARE(schedule.opacity_at(instant), FETCH(int, opacity));
        QCOMPARE(schedule.dim_at(instant), FETCH(int, dim));
    }
};

QTEST_GUILESS_MAIN(TestOverlayLogic)
#include "tst_overlay_logic.moc"
