// kavo-guardian: Kavo starts it with the paths of its calibration record and marker. It holds
// the record and an X connection, and waits on its standard input, whose other end only Kavo
// holds: when Kavo's process has ended, however it ended, the input closes and the guardian
// writes each recorded calibration back onto its monitor, then ends. A line "reload" means
// that Kavo recorded another monitor. With --restore-now it also writes the calibration back
// at once, and answers "restored" on its standard output.
#include "color/CalibrationRecord.h"
#include "platform/FileLock.h"
#include "platform/x11/X11Connection.h"

#include <QFile>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <cstring>

namespace {
constexpr int kMarkerWaitMs = 2000;

struct Arguments
{
    QString record;
    QString marker;
    bool restore_now = false;
};

bool parse(int argc, char* argv[], Arguments& arguments)
{
    for (int i = 1; i < argc; ++i) {
        const bool has_value = i + 1 < argc;
        if (std::strcmp(argv[i], "--restore-now") == 0)
            arguments.restore_now = true;
        else if (std::strcmp(argv[i], "--record") == 0 && has_value)
            arguments.record = QFile::decodeName(argv[++i]);
        else if (std::strcmp(argv[i], "--marker") == 0 && has_value)
            arguments.marker = QFile::decodeName(argv[++i]);
        else
            return false;
    }
    return !arguments.record.isEmpty() && !arguments.marker.isEmpty();
}

// Kavo's terminal may be closed or interrupted with Ctrl+C, and the output it shares may be a
// pipe nobody reads any more: none of that must end the guardian before its work is done.
void ignore_terminal_signals()
{
    std::signal(SIGINT, SIG_IGN);
    std::signal(SIGHUP, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
}

void wait_for_kavo_to_end(CalibrationRecord& record, const QString& path)
{
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        if (std::strcmp(line, "reload\n") == 0)
            record.load(path);
    }
}

// Kavo removes the marker when it has put the colours back itself; a marker left by a Kavo
// that is gone is removed once the calibration is back. One that a new Kavo holds stays.
bool release_marker(const QString& path)
{
    if (!QFile::exists(path))
        return false;
    FileLock marker(path);
    // The input closes while the system is still closing the rest of Kavo's files: its lock on
    // the marker may need a moment to go.
    if (!marker.tryLock(kMarkerWaitMs))
        return false;
    marker.removeAndUnlock();
    return true;
}
} // namespace

int main(int argc, char* argv[])
{
    ignore_terminal_signals();
    Arguments arguments;
    if (!parse(argc, argv, arguments)) {
        std::fprintf(stderr, "usage: kavo-guardian --record FILE --marker FILE [--restore-now]\n");
        return 2;
    }
    CalibrationRecord record;
    record.load(arguments.record);
    const std::unique_ptr<X11Connection> x11 = X11Connection::open();
    if (!x11) {
        std::fprintf(stderr, "kavo-guardian: no X display to guard\n");
        return 1;
    }
    if (arguments.restore_now) {
        record.restore(x11->displays());
        std::fputs("restored\n", stdout);
        std::fflush(stdout);
    }
    wait_for_kavo_to_end(record, arguments.record);

    QStringList restored;
    for (const CalibrationRecord::Restored& monitor : record.restore(x11->displays()))
        restored.append(monitor.output);
    if (release_marker(arguments.marker))
        std::fprintf(stderr,
                     "Kavo ended without restoring the colours: its guardian gave %s its "
                     "calibration back\n",
                     restored.isEmpty() ? "no monitor"
                                        : qUtf8Printable(restored.join(QStringLiteral(", "))));
    return 0;
}
