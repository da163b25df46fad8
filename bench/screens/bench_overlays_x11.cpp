// The overlay family's work on a real X server (an Xvfb of 1920 x 1080 started for the
// benchmark): the software screen effects' frame (a picture of the screen taken through the x11
// backend, processed, made the pixmap the window shows), and one opacity step of an overlay
// window (the page told the new colour, repainted and put on the screen).
#include "XvfbServer.h"
#include "platform/x11/X11Platform.h"
#include "platform/x11/X11ScreenCapture.h"
#include "screens/OverlayScreen.h"
#include "screens/ScreenEffectImage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {
const QRect kScreen(0, 0, 1920, 1080);

// A window over the whole screen with something to see in it.
class Pattern : public QWidget
{
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, width(), height());
        gradient.setColorAt(0, Qt::red);
        gradient.setColorAt(0.5, Qt::green);
        gradient.setColorAt(1, Qt::blue);
        painter.fillRect(rect(), gradient);
    }
};

// One frame: the picture taken, processed, and made the pixmap the window shows.
void BM_CaptureFrame(benchmark::State& state, ScreenEffectImage effects)
{
    X11ScreenCapture capture;
    for (auto _ : state) {
        const QImage picture = capture.grab(kScreen);
        if (picture.isNull()) {
            state.SkipWithError("the screen could not be grabbed");
            return;
        }
        QPixmap shown = QPixmap::fromImage(effects.processed(picture));
        benchmark::DoNotOptimize(shown);
    }
}

void BM_OverlayWindowOpacityStep(benchmark::State& state)
{
    int opacity = 0;
    const SettingsMap settings{{QStringLiteral("OverlayScreenColor"), 9}};
    OverlayScreen overlay(-1, kScreen, settings,
                          {[&opacity] { return opacity; }, [] { return 0; }});
    QElapsedTimer waited;
    waited.start();
    while (!overlay.is_loaded() && waited.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    if (!overlay.is_loaded()) {
        state.SkipWithError("the overlay's page did not load");
        return;
    }
    for (auto _ : state) {
        opacity = (opacity + 1) % 100;
        overlay.update_ui();
        overlay.repaint();
        QApplication::sync();
    }
}
} // namespace

BENCHMARK(BM_OverlayWindowOpacityStep)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CaptureFrame, no_effect, ScreenEffectImage{})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CaptureFrame, grey, ScreenEffectImage{false, true, std::nullopt})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CaptureFrame, invert, ScreenEffectImage{true, false, std::nullopt})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // The X server comes first: the application connects to it.
    XvfbServer xvfb;
    if (!xvfb.start(QStringLiteral("1920x1080x24"))) {
        std::fputs("Xvfb did not start (scripts/install-deps.sh installs it)\n", stderr);
        return 1;
    }
    qputenv("DISPLAY", xvfb.display().toLatin1());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(kavo);
    Platform::install(X11Platform::open());
    Pattern pattern;
    pattern.setGeometry(kScreen);
    pattern.show();
    QApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    Platform::uninstall();
    return 0;
}
