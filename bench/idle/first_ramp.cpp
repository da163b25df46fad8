// Exec → first ramp: starts the program named on the command line, watches the first monitor's
// gamma ramp until it changes and prints the milliseconds from the exec to the change. Then
// ends the program and puts the ramp the monitor showed before back, so runs can follow each
// other on the same X server.
// Usage: bench_first_ramp TIMEOUT_MS PROGRAM [ARGUMENTS...]
#include "platform/x11/X11Connection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <cstdio>

namespace {
bool differs(const GammaRamp& a, const GammaRamp& b)
{
    return a.red != b.red || a.green != b.green || a.blue != b.blue;
}

// Milliseconds until monitor 0 shows a ramp other than `before`; -1 when `timeout_ms` passes
// first or the program ends.
double wait_for_change(IDisplays& displays, const GammaRamp& before, QProcess& program,
                       const QElapsedTimer& since_exec, int timeout_ms)
{
    GammaRamp now;
    while (since_exec.elapsed() < timeout_ms && program.state() != QProcess::NotRunning) {
        if (displays.readRamp(0, now) && differs(now, before))
            return static_cast<double>(since_exec.nsecsElapsed()) / 1e6;
        QThread::usleep(200);
    }
    return -1;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: bench_first_ramp TIMEOUT_MS PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const int timeout_ms = arguments.takeFirst().toInt();
    const QString program_path = arguments.takeFirst();
    const std::unique_ptr<X11Connection> x11 = X11Connection::open();
    GammaRamp before;
    if (!x11 || !x11->displays().readRamp(0, before)) {
        std::fprintf(stderr, "bench_first_ramp: no X display with a readable gamma ramp\n");
        return 1;
    }

    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer since_exec;
    since_exec.start();
    program.start(program_path, arguments);
    const double ms = wait_for_change(x11->displays(), before, program, since_exec, timeout_ms);

    program.terminate();
    if (!program.waitForFinished(10000))
        program.kill();
    program.waitForFinished(2000);
    x11->displays().writeRamp(0, before);
    if (ms < 0) {
        std::fprintf(stderr, "bench_first_ramp: the ramp did not change within %d ms\n",
                     timeout_ms);
        return 1;
    }
    std::printf("%.1f\n", ms);
    return 0;
}
