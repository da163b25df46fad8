#include "QuitSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int g_pipe[2] = {-1, -1};
const int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void on_quit_signal(int signal_number)
{
    // Non-blocking: a burst of signals that fills the socket must not hang the handler.
    const unsigned char byte = static_cast<unsigned char>(signal_number);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
}

// A write to a pipe nobody reads then fails with EPIPE. A handler rather than SIG_IGN, because
// an ignored signal stays ignored in the programs Kavo starts, and they expect the default.
extern "C" void on_broken_pipe(int)
{
}

void install(int signal_number, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal_number, &action, nullptr);
}
} // namespace

void QuitSignals::catch_signals()
{
    install(SIGPIPE, on_broken_pipe);
    if (g_pipe[0] >= 0 ||
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0)
        return;
    for (int signal_number : kQuitSignals)
        install(signal_number, on_quit_signal);
}

QuitSignals::QuitSignals(QObject* parent) : QObject(parent)
{
    catch_signals();
    if (g_pipe[0] < 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitSignals::on_readable);
}

// The handlers and the socket pair stay: signals from now on are caught and dropped.
QuitSignals::~QuitSignals() = default;

void QuitSignals::on_readable()
{
    unsigned char byte = 0;
    while (::read(g_pipe[0], &byte, 1) == 1) {
        if (!m_quitting) {
            m_quitting = true;
            emit quit_requested(byte);
        }
    }
}
