// The break timer's one-second tick inside Kavo with the main window closed (never built):
// what the timer costs every second all day.
// Run: QT_QPA_PLATFORM=offscreen build/bench/timer/bench_timer
// The whole-process figure comes from bench/controller/idle_cpu.sh with "timer".
#include "App.h"
#include "platform/sim/SimDesktop.h"
#include "settings/SaveManager.h"
#include "timer/RestTimer.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
// One tick of a timer of type range(0) (2 normal, 4 productive) in its work interval.
void restTimerTick(benchmark::State& state)
{
    QTemporaryDir dir;
    qputenv("KAVO_SETTINGS_DIR", dir.filePath("settings").toUtf8());
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    qputenv("XDG_RUNTIME_DIR", dir.filePath("runtime").toUtf8());
    QDir().mkpath(dir.filePath("runtime"));
    QFile::setPermissions(dir.filePath("runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    {
        QSettings store(dir.filePath("settings/kavo_settings.ini"), QSettings::IniFormat);
        store.setValue("SaveVersion", "6");
        store.setValue("OptimizeUiCreation", true); // the window is not built
        store.setValue("TimerType", static_cast<int>(state.range(0)));
        store.setValue("TimerPaused", false);
    }
    Platform::install(std::make_unique<SimDesktop>(QString(), QString()));
    {
        SaveManager saveManager;
        App app;
        RestTimer* timer = app.rest_timer();
        for (auto _ : state)
            timer->update_rest_timer();
    }
    Platform::uninstall();
}
} // namespace

BENCHMARK(restTimerTick)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
