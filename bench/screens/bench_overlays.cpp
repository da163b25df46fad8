// The software screen effects' work per frame at 1920 x 1080, and one opacity step of the
// overlay's page (the statement run in a loaded overlay page).
#include "color/EffectMatrices.h"
#include "screens/OverlayStatements.h"
#include "screens/ScreenEffectImage.h"

#include <QApplication>
#include <QEventLoop>
#include <QPainter>
#include <QWebFrame>
#include <QWebPage>

#include <benchmark/benchmark.h>

namespace {
QImage screen()
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x & 255, y & 255, (x + y) & 255));
    return image;
}

void BM_Process(benchmark::State& state, ScreenEffectImage effects)
{
    const QImage picture = screen();
    for (auto _ : state)
        benchmark::DoNotOptimize(effects.processed(picture));
}

void BM_OverlayOpacityStep(benchmark::State& state)
{
    QWebPage page;
    page.setViewportSize(QSize(1920, 1080));
    QEventLoop loop;
    QObject::connect(&page, &QWebPage::loadFinished, &loop, &QEventLoop::quit);
    page.mainFrame()->setUrl(QUrl(QStringLiteral("qrc:/html/overlay_screen.html")));
    loop.exec();
    QImage target(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    int step = 0;
    for (auto _ : state) {
        const float alpha = static_cast<float>(step++ % 100) / 100.0f;
        page.mainFrame()->evaluateJavaScript(
            OverlayStatements::set_background_color({255, 0, 0}, alpha));
        QPainter painter(&target);
        page.mainFrame()->render(&painter);
    }
}
} // namespace

BENCHMARK_CAPTURE(BM_Process, grey, ScreenEffectImage{false, true, std::nullopt})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Process, invert, ScreenEffectImage{true, false, std::nullopt})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Process, sepia, ScreenEffectImage{false, false, EffectMatrices::matrix(14)})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OverlayOpacityStep)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(kavo);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
