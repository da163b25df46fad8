#include "platform/StandardStreams.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace StandardStreams {

void keepOpen()
{
    // open() takes the lowest free number: the stream that is missing.
    for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
        if (::fcntl(stream, F_GETFD) == -1 && errno == EBADF) {
            // Open for the rest of the process's life.
            [[maybe_unused]] const int stand_in = ::open("/dev/null", O_RDWR);
        }
    }
}

void redirectOutputToErrors()
{
    std::fflush(stdout);
    ::dup2(STDERR_FILENO, STDOUT_FILENO);
}

} // namespace StandardStreams

namespace {
// Whether standard input has data (or its end) within `msecs`; -1 waits without limit.
bool input_ready(int msecs)
{
    pollfd descriptor{STDIN_FILENO, POLLIN, 0};
    int result = 0;
    do {
        result = ::poll(&descriptor, 1, msecs);
    } while (result < 0 && errno == EINTR);
    return result > 0;
}
} // namespace

StandardInput::StandardInput()
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 StandardInput::bytesAvailable() const
{
    return QIODevice::bytesAvailable();
}

bool StandardInput::waitForReadyRead(int msecs)
{
    return !m_ended && input_ready(msecs);
}

qint64 StandardInput::readData(char* data, qint64 maxSize)
{
    // Only what is there now: a read never waits for a writer that may never send more.
    if (m_ended || maxSize <= 0 || !input_ready(0))
        return 0;
    ssize_t count = 0;
    do {
        count = ::read(STDIN_FILENO, data, static_cast<size_t>(maxSize));
    } while (count < 0 && errno == EINTR);
    if (count <= 0) {
        m_ended = true;
        return count < 0 ? -1 : 0;
    }
    return count;
}
