// The guardian on a private X server: how soon the calibration is back once Kavo's end closes
// the guardian's input, how long it takes to start, and what it holds in memory while it waits;
// and what recording the calibration costs Kavo's start.
// Run: build/bench/guardian/bench_guardian
#include "XvfbServer.h"
#include "color/CalibrationKeeper.h"
#include "color/CalibrationRecord.h"
#include "platform/x11/X11Connection.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {
GammaRamp calibration()
{
    GammaRamp ramp;
    for (int i = 0; i < GammaRamp::kSize; ++i) {
        ramp.red[i] = quint16(i * 250);
        ramp.green[i] = quint16(i * 240);
        ramp.blue[i] = quint16(i * 230);
    }
    return ramp;
}

// An X server with a calibrated monitor and a calibration record for it.
struct GuardedDesktop
{
    XvfbServer xvfb;
    QTemporaryDir dir;
    std::unique_ptr<X11Connection> observer;

    GuardedDesktop()
    {
        if (!xvfb.start(QStringLiteral("1024x768x24")))
            std::abort();
        qputenv("DISPLAY", xvfb.display().toLatin1());
        observer = X11Connection::open();
        CalibrationRecord record;
        record.insert(observer->displays().monitorIdentity(0), calibration());
        record.save(dir.filePath("calibration"));
    }

    IDisplays& displays() { return observer->displays(); }
    GammaRamp shown()
    {
        GammaRamp ramp;
        displays().readRamp(0, ramp);
        return ramp;
    }

    // Starts a guardian and waits until it has written the record once: it is then watching.
    std::unique_ptr<QProcess> startGuardian()
    {
        auto guardian = std::make_unique<QProcess>();
        guardian->start(QStringLiteral(KAVO_GUARDIAN_BINARY),
                        {"--record", dir.filePath("calibration"), "--marker",
                         dir.filePath("running"), "--restore-now"});
        while (!guardian->canReadLine() && guardian->waitForReadyRead(10000)) {
        }
        return guardian;
    }
};

// From the moment the guardian's input closes (Kavo's process ended) to the calibration being
// back on the CRTC, as another X client sees it.
void restoreAfterKavoEnds(benchmark::State& state)
{
    GuardedDesktop desktop;
    GammaRamp tint = calibration();
    tint.blue.fill(1000);
    for (auto _ : state) {
        auto guardian = desktop.startGuardian();
        desktop.displays().writeRamp(0, tint);
        QElapsedTimer elapsed;
        elapsed.start();
        guardian->closeWriteChannel();
        while (desktop.shown() != calibration()) {
        }
        state.SetIterationTime(elapsed.nsecsElapsed() / 1e9);
        guardian->waitForFinished(10000);
    }
}
BENCHMARK(restoreAfterKavoEnds)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Start-up: process start, record read, X connection, one restore; and the memory the waiting
// guardian holds (resident set, kB).
void startAndResidentMemory(benchmark::State& state)
{
    GuardedDesktop desktop;
    long resident_kb = 0;
    for (auto _ : state) {
        auto guardian = desktop.startGuardian();
        state.PauseTiming();
        QFile status(QStringLiteral("/proc/%1/status").arg(guardian->processId()));
        status.open(QIODevice::ReadOnly);
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                resident_kb = line.mid(6).trimmed().split(' ').first().toLong();
        }
        guardian->closeWriteChannel();
        guardian->waitForFinished(10000);
        state.ResumeTiming();
    }
    state.counters["resident_kB"] = static_cast<double>(resident_kb);
}
BENCHMARK(startAndResidentMemory)->Unit(benchmark::kMillisecond)->Iterations(20);
// What Kavo's start spends on the record: the marker, every monitor's ramp and identity, the
// record file.
void keeperBegin(benchmark::State& state)
{
    GuardedDesktop desktop;
    for (auto _ : state) {
        CalibrationKeeper keeper(desktop.displays(), desktop.dir.filePath("calibration"),
                                 desktop.dir.filePath("running"));
        benchmark::DoNotOptimize(keeper.begin(0));
        keeper.finish();
    }
}
BENCHMARK(keeperBegin)->Unit(benchmark::kMicrosecond);
} // namespace

BENCHMARK_MAIN();
