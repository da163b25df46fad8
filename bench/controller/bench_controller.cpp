// The controller's update tick on the simulated desktop: what every KavoUpdateInterval costs.
// Run: QT_QPA_PLATFORM=offscreen build/bench/controller/bench_controller
// The whole-process idle figure comes from bench/controller/idle_cpu.sh.
#include "App.h"
#include "platform/sim/SimDesktop.h"
#include "settings/SaveManager.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
QByteArray desktop(int monitors)
{
    QJsonArray list;
    for (int i = 0; i < monitors; ++i)
        list.append(QJsonObject{{"x", 1920 * i}, {"y", 0}, {"width", 1920}, {"height", 1080}});
    return QJsonDocument(QJsonObject{{"monitors", list}}).toJson();
}

void processEventsFor(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// One update_kavo() with range(0) monitors, without a state file; range(1) turns per-monitor
// settings on.
void updateKavoTick(benchmark::State& state)
{
    QTemporaryDir dir;
    qputenv("KAVO_SETTINGS_DIR", dir.filePath("settings").toUtf8());
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    qputenv("XDG_RUNTIME_DIR", dir.filePath("runtime").toUtf8());
    QDir().mkpath(dir.filePath("runtime"));
    QFile::setPermissions(dir.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile config(dir.filePath("desktop.json"));
    config.open(QIODevice::WriteOnly);
    config.write(desktop(static_cast<int>(state.range(0))));
    config.close();
    {
        QSettings store(dir.filePath("settings/kavo_settings.ini"), QSettings::IniFormat);
        store.setValue("SaveVersion", "6");
        store.setValue("UsePerMonitorSettings", state.range(1) != 0);
        store.setValue("PauseTransitionDuration", 1);
        store.setValue("SmoothColorsUpdateInterval", 1);
    }
    Platform::install(std::make_unique<SimDesktop>(config.fileName(), QString()));
    {
        SaveManager saveManager;
        App app;
        processEventsFor(100); // let the start glide arrive
        for (auto _ : state)
            QMetaObject::invokeMethod(&app, "update_kavo");
    }
    Platform::uninstall();
}
BENCHMARK(updateKavoTick)
    ->ArgNames({"monitors", "per_monitor"})
    ->Args({1, 0})
    ->Args({4, 0})
    ->Args({4, 1})
    ->Args({10, 1})
    ->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName("Kavo");
    QCoreApplication::setOrganizationName("Velmora");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
