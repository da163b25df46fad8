// Colour output speed: a transition step runs every 25 ms, so one apply_colors must stay far
// below that. Run: build/bench/color/bench_color
#include "color/ColorOutput.h"
#include "platform/sim/SimDesktop.h"
#include "platform/x11/X11Platform.h"
#include "XvfbServer.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
void colorRampApply(benchmark::State& state)
{
    const ColorRamp ramp;
    const RampSettings settings{3400, 1.0f, 1.0f, 1.0f, 0.8f};
    for (auto _ : state) {
        GammaRamp levels = ColorRamp::computingIdentity();
        ramp.apply(levels, settings);
        benchmark::DoNotOptimize(levels);
    }
}
BENCHMARK(colorRampApply);

// A calibration-like ramp of its own for each monitor.
QJsonObject calibration(int seed)
{
    QJsonObject ramp;
    for (const char* channel : {"red", "green", "blue"}) {
        QJsonArray levels;
        for (int i = 0; i < GammaRamp::kSize; ++i)
            levels.append(i * 250 + seed);
        ramp.insert(channel, levels);
    }
    return ramp;
}

// apply_colors for all monitors on the gamma path of a simulated desktop with range(0)
// monitors: one step of a glide. With range(1) set the desktop writes its state file, as in
// tests and headless runs (once per step). With range(2) set every monitor has a calibration of
// its own, so that no two monitors share a ramp.
void applyColorsOnSimulatedDesktop(benchmark::State& state)
{
    QTemporaryDir dir;
    QJsonArray monitors;
    for (int i = 0; i < state.range(0); ++i) {
        QJsonObject monitor{{"x", 1920 * i}, {"y", 0}, {"width", 1920}, {"height", 1080}};
        if (state.range(2))
            monitor.insert("ramp", calibration(i));
        monitors.append(monitor);
    }
    QFile config(dir.filePath("config.json"));
    config.open(QIODevice::WriteOnly);
    config.write(QJsonDocument(QJsonObject{{"monitors", monitors}}).toJson());
    config.close();
    const QString statePath = state.range(1) ? dir.filePath("state.json") : QString();
    Platform::install(std::make_unique<SimDesktop>(config.fileName(), statePath));
    QVariantMap settings{{"UseLowLevelColorApi", true}, {"PreserveGamma", true}};
    QList<int> ignored;
    ColorOutput output(settings, ignored, {});
    output.start();
    int temperature = 3000;
    for (auto _ : state) {
        temperature = temperature == 3000 ? 3100 : 3000;
        benchmark::DoNotOptimize(output.apply_colors({temperature, 1, 1, 1, 0.8f}, 0));
    }
    Platform::uninstall();
}
BENCHMARK(applyColorsOnSimulatedDesktop)
    ->ArgNames({"monitors", "state_file", "calibrated"})
    ->Args({1, 0, 0})
    ->Args({4, 0, 0})
    ->Args({1, 1, 0})
    ->Args({4, 1, 0})
    ->Args({10, 0, 0})
    ->Args({10, 1, 0})
    ->Args({10, 0, 1})
    ->Args({10, 1, 1})
    ->Unit(benchmark::kMicrosecond);

// One ramp written to the CRTC and read back, on an Xvfb started for the benchmark.
void xrandrWriteAndReadBack(benchmark::State& state)
{
    XvfbServer xvfb;
    if (!xvfb.start("1024x768x24")) {
        state.SkipWithError("Xvfb did not start (scripts/install-deps.sh installs it)");
        return;
    }
    qputenv("DISPLAY", xvfb.display().toLatin1());
    std::unique_ptr<X11Platform> platform = X11Platform::open();
    if (!platform) {
        state.SkipWithError("Xvfb started but took no connection");
        return;
    }
    GammaRamp ramp = ColorRamp::computingIdentity();
    ColorRamp().apply(ramp, {3000, 1, 1, 1, 0.8f});
    GammaRamp readBack;
    for (auto _ : state) {
        platform->displays().writeRamp(0, ramp);
        platform->displays().readRamp(0, readBack);
        benchmark::DoNotOptimize(readBack);
    }
}
BENCHMARK(xrandrWriteAndReadBack)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
