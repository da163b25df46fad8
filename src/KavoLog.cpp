#include "KavoLog.h"

#include "KavoLogBuffer.h"

#include <cerrno>
#include <cstdio>

namespace {
// Set once standard output is gone for good.
bool g_output_closed = false;

bool put(const QByteArray& bytes, bool line_end)
{
    const auto size = static_cast<size_t>(bytes.size());
    return std::fwrite(bytes.constData(), 1, size, stdout) == size &&
           (!line_end || std::fputc('\n', stdout) != EOF) && std::fflush(stdout) == 0;
}
} // namespace

kavo_log_stream_class::kavo_log_stream_class(bool enabled, bool no_line_end)
    : m_enabled(enabled), m_no_line_end(no_line_end)
{
}

kavo_log_stream_class& kavo_log_stream_class::operator<<(const QString& text)
{
    write(text);
    return *this;
}

kavo_log_stream_class& kavo_log_stream_class::operator<<(const char* text)
{
    write(QString::fromUtf8(text));
    return *this;
}

kavo_log_stream_class& kavo_log_stream_class::operator<<(qint64 number)
{
    write(QString::number(number));
    return *this;
}

kavo_log_stream_class& kavo_log_stream_class::operator<<(int number)
{
    write(QString::number(number));
    return *this;
}

kavo_log_stream_class& kavo_log_stream_class::operator<<(double number)
{
    write(QString::number(number));
    return *this;
}

void kavo_log_stream_class::write(const QString& text)
{
    if (!m_enabled)
        return;
    KavoLogBuffer::instance().append(text, !m_no_line_end);
    if (g_output_closed)
        return;
    if (put(text.toUtf8(), !m_no_line_end))
        return;
    g_output_closed = errno == EPIPE || errno == EBADF;
    std::clearerr(stdout);
}

kavo_log_stream_class& kavo_log_piece()
{
    static kavo_log_stream_class stream(true, true);
    return stream;
}

kavo_log_stream_class& kavo_log()
{
    static kavo_log_stream_class stream(true, false);
    return stream;
}

void log_line(const QString& line)
{
    kavo_log() << line;
}

bool kavo_check_failed(bool condition, const char* expression, const char* kind, int line,
                       const char* source_file)
{
    if (condition)
        return false;
    kavo_log() << QStringLiteral("Condition failed: ") + QString::fromUtf8(kind);
    kavo_log() << QStringLiteral("Expected:\t") + QString::fromUtf8(expression);
    kavo_log() << QStringLiteral("Source:\t\t") + QString::fromUtf8(source_file) +
                      QStringLiteral(", line ") + QString::number(line);
    return true;
}
