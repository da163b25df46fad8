// The schedule's cost per update: one interpolation at an instant (what each monitor asks for
// on every tick) and the transition-times text.
#include "DefaultSettings.h"
#include "schedule/TransitionSchedule.h"
#include "schedule/TransitionTimesInfo.h"

#include <benchmark/benchmark.h>

namespace {
// 10 June 2026, 21:45 in Berlin: inside the evening transition.
constexpr double kEvening = 1781120700000.0;
const Location kBerlin{52.52, 13.405};

void interpolation(benchmark::State& state, const Location& location)
{
    const SettingsMap settings = defaultSettings();
    TransitionSchedule schedule(settings, location);
    double instant = kEvening;
    for (auto _ : state) {
        benchmark::DoNotOptimize(schedule.temperatureAt(instant, 0));
        instant += 1000.0;
    }
}

void BM_SolarInterpolation(benchmark::State& state)
{
    interpolation(state, kBerlin);
}
BENCHMARK(BM_SolarInterpolation);

void BM_ClockInterpolation(benchmark::State& state)
{
    interpolation(state, Location{});
}
BENCHMARK(BM_ClockInterpolation);

void BM_TransitionTimesInfo(benchmark::State& state)
{
    const SettingsMap settings = defaultSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(TransitionTimesInfo::text(settings, kBerlin, kEvening));
}
BENCHMARK(BM_TransitionTimesInfo);
} // namespace

BENCHMARK_MAIN();
