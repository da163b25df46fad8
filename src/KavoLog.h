#pragma once

#include <QString>

// Kavo's operational log: whole lines on standard output, flushed as they are written so a
// log followed in a terminal or a file is always complete. An output that nobody reads any
// more (a pipe whose reader ended) silences the log; it never ends Kavo.
class kavo_log_stream_class
{
public:
    kavo_log_stream_class(bool enabled, bool no_line_end);

    kavo_log_stream_class& operator<<(const QString& text);
    kavo_log_stream_class& operator<<(const char* text);
    kavo_log_stream_class& operator<<(qint64 number);
    kavo_log_stream_class& operator<<(int number);
    kavo_log_stream_class& operator<<(double number);

    void set_enabled(bool enabled) { m_enabled = enabled; }

private:
    void write(const QString& text);

    bool m_enabled;
    bool m_no_line_end;
};

// Pieces of one line (no line end added).
kavo_log_stream_class& kavo_log_piece();
// One whole line per write.
kavo_log_stream_class& kavo_log();

// Prints one line on standard output and flushes it.
void log_line(const QString& line);


// Internal consistency check. When `condition` is false prints the three-line report
// ("Condition failed", "Expected", "Source") and returns true; otherwise prints nothing.
bool kavo_check_failed(bool condition, const char* expression, const char* kind, int line,
                       const char* source_file);

#define KAVO_REQUIRE(condition)                                                                    \
    kavo_check_failed(static_cast<bool>(condition), #condition, "REQUIRE", __LINE__, "src/App")
