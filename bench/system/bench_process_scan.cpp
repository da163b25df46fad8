// One look of the process monitor at every running program: what each update interval costs.
// Run: build/bench/system/bench_process_scan (with DISPLAY set, the X11 desktop is measured
// too). The whole-process idle figures come from bench/system/idle_cpu_input.sh.
#include "platform/linux/LinuxProcesses.h"
#include "platform/sim/SimDesktop.h"
#include "platform/x11/X11Platform.h"
#include "system/WindowsTaskManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
// The pauser lists of a user who keeps a few programs in each, all three switched on.
SettingsMap pauserSettings()
{
    return {{"UseColorPausers", true},
            {"ColorPausers", "painter\nmodeller\nphotos\nsketcher fullscreen"},
            {"UseTimerPausers", true},
            {"TimerPausers", "vlc\nplayer\nobs"},
            {"UseMousePausers", true},
            {"MousePausers", "game\nplatformer"}};
}

QString programName(int i)
{
    // A few of the listed names among many others.
    static const char* const listed[] = {"painter", "vlc", "player", "game"};
    return i % 50 == 0 ? QLatin1String(listed[(i / 50) % 4]) : QStringLiteral("proc%1").arg(i);
}

// `count` programs, one in ten with a window, on the simulated desktop.
void scanSimulated(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    QJsonArray processes;
    for (int i = 1; i <= count; ++i)
        processes.append(
            QJsonObject{{"pid", i}, {"name", programName(i)}, {"window", i % 10 == 0}});
    QTemporaryDir dir;
    QFile config(dir.filePath("desktop.json"));
    config.open(QIODevice::WriteOnly);
    config.write(QJsonDocument(QJsonObject{{"processes", processes}, {"foreground", 50}}).toJson());
    config.close();
    SimDesktop desktop(config.fileName(), QString());
    const SettingsMap settings = pauserSettings();
    WindowsTaskManager monitor(desktop.windows(), desktop.displays(), settings, 100000000);
    for (auto _ : state)
        monitor.check_processes(false);
    state.counters["processes"] = count;
}
BENCHMARK(scanSimulated)->Arg(100)->Arg(500)->Arg(2000)->Unit(benchmark::kMicrosecond);

// A /proc laid out like Linux's, with `count` processes (names cut at 15 bytes included).
void writeFakeProc(const QString& root, int count)
{
    for (int pid = 1; pid <= count; ++pid) {
        const QString folder = QStringLiteral("%1/%2").arg(root).arg(pid);
        QDir().mkpath(folder);
        QFile comm(folder + "/comm");
        comm.open(QIODevice::WriteOnly);
        const QString name =
            pid % 7 == 0 ? QStringLiteral("a-long-program-name-%1").arg(pid) : programName(pid);
        comm.write(name.left(15).toUtf8() + '\n');
        QFile::link("/usr/bin/" + name, folder + "/exe");
    }
}

void snapshotProcFolder(benchmark::State& state)
{
    QTemporaryDir dir;
    writeFakeProc(dir.path(), static_cast<int>(state.range(0)));
    LinuxProcesses processes(dir.path());
    QVector<ProcessEntry> entries;
    for (auto _ : state)
        processes.snapshot(entries);
    state.counters["processes"] = entries.size();
}
BENCHMARK(snapshotProcFolder)->Arg(500)->Unit(benchmark::kMicrosecond);

void snapshotThisMachine(benchmark::State& state)
{
    LinuxProcesses processes;
    QVector<ProcessEntry> entries;
    for (auto _ : state)
        processes.snapshot(entries);
    state.counters["processes"] = entries.size();
}
BENCHMARK(snapshotThisMachine)->Unit(benchmark::kMicrosecond);

// The whole scan on the X server of DISPLAY: this machine's processes and the server's windows.
void scanX11(benchmark::State& state)
{
    std::unique_ptr<X11Platform> desktop = X11Platform::open();
    if (!desktop) {
        state.SkipWithError("no X server on DISPLAY");
        return;
    }
    const SettingsMap settings = pauserSettings();
    WindowsTaskManager monitor(desktop->windows(), desktop->displays(), settings, 100000000);
    for (auto _ : state)
        monitor.update(false);
    state.counters["windows"] = desktop->windows().topLevelWindows().size();
}
BENCHMARK(scanX11)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
