// How soon a started kavo has its colours on the screen: exec to the first set_gamma on the
// test compositor (Kavo's Wayland backend), beside exec to the first XRandR ramp on Xvfb (its
// X11 backend). Qt draws offscreen in both, so only the colour path differs.
// Run: build/bench/platform/bench_first_colours
#include "TestCompositor.h"
#include "XvfbServer.h"
#include "platform/x11/X11Connection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTime>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <functional>

namespace {
constexpr int kDeadlineMs = 30000;

// A settings folder under which Kavo shows 3000 K at 80 % at once, all day.
struct KavoFolders
{
    QTemporaryDir dir;

    KavoFolders()
    {
        for (const char* name : {"settings", "config", "data", "runtime"})
            QDir().mkpath(dir.filePath(QLatin1String(name)));
        QFile::setPermissions(dir.filePath("runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const int hour = QTime::currentTime().hour();
        QFile settings(dir.filePath("settings/kavo_settings.ini"));
        if (!settings.open(QIODevice::WriteOnly))
            std::abort();
        settings.write(QStringLiteral("[General]\nSaveVersion=6\nIsFirstStart=false\n"
                                      "UseGammaFixer=false\nUseSleepLight=false\n"
                                      "UseManualNightDuration=true\nNightStartTimeHours=%1\n"
                                      "NightEndTimeHours=%2\nDayTemperature=3000\n"
                                      "DayBrightness=80\n")
                           .arg((hour + 6) % 24)
                           .arg((hour + 12) % 24)
                           .toUtf8());
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("KAVO_SETTINGS_DIR", dir.filePath("settings"));
        environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        environment.insert("XDG_DATA_HOME", dir.filePath("data"));
        environment.insert("XDG_RUNTIME_DIR", dir.filePath("runtime"));
        return environment;
    }
};

// Starts kavo and returns the seconds until `arrived` says its colours are out; kavo is ended.
double secondsToColours(const QProcessEnvironment& environment,
                        const std::function<bool(qint64 pid)>& arrived)
{
    QProcess kavo;
    kavo.setProcessEnvironment(environment);
    kavo.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    kavo.start(QStringLiteral(KAVO_BINARY), QStringList());
    if (!kavo.waitForStarted(kDeadlineMs))
        std::abort();
    while (!arrived(kavo.processId())) {
        if (clock.elapsed() > kDeadlineMs)
            std::abort();
        QThread::usleep(200);
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    kavo.terminate();
    if (!kavo.waitForFinished(kDeadlineMs))
        kavo.kill();
    kavo.waitForFinished();
    return seconds;
}

void BM_ExecToFirstSetGamma(benchmark::State& state)
{
    TestCompositor compositor;
    if (!compositor.start())
        std::abort();
    compositor.addOutput({"DP-1", QRect(0, 0, 1920, 1080), 256});
    KavoFolders folders;
    QProcessEnvironment environment = folders.environment();
    environment.insert("KAVO_PLATFORM", "wayland");
    environment.insert("WAYLAND_DISPLAY", compositor.socketPath());
    for (auto _ : state) {
        state.SetIterationTime(secondsToColours(environment, [&](qint64 pid) {
            for (const TestCompositor::GammaWrite& write : compositor.writes()) {
                if (write.client == pid)
                    return true;
            }
            return false;
        }));
    }
}
BENCHMARK(BM_ExecToFirstSetGamma)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

void BM_ExecToFirstXRandrRamp(benchmark::State& state)
{
    XvfbServer xvfb;
    if (!xvfb.start(QStringLiteral("1920x1080x24")))
        std::abort();
    qputenv("DISPLAY", xvfb.display().toLatin1());
    const std::unique_ptr<X11Connection> observer = X11Connection::open();
    KavoFolders folders;
    QProcessEnvironment environment = folders.environment();
    environment.insert("KAVO_PLATFORM", "x11");
    environment.insert("DISPLAY", xvfb.display());
    for (auto _ : state) {
        observer->displays().writeRamp(0, GammaRamp::identity());
        state.SetIterationTime(secondsToColours(environment, [&](qint64) {
            GammaRamp shown;
            return observer->displays().readRamp(0, shown) && shown != GammaRamp::identity();
        }));
    }
}
BENCHMARK(BM_ExecToFirstXRandrRamp)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
