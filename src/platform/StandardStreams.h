#pragma once

#include <QIODevice>

// The process's standard streams where Kavo needs more than stdio gives.
namespace StandardStreams {

// Opens /dev/null on standard input, output or error when the process was started with one of
// them closed: the next file or connection Kavo opens would take its number, and log lines
// would go into it.
void keepOpen();

// Sends everything later written to standard output (by Kavo, a library or a child process)
// to standard error instead, so standard output stays free for a peer that reads it as a
// channel.
void redirectOutputToErrors();

} // namespace StandardStreams

// Standard input as a sequential device whose waitForReadyRead waits (up to a time limit)
// for a pipe or terminal to deliver more, so a reader can give up on a stalled writer.
class StandardInput : public QIODevice
{
public:
    StandardInput();

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    bool waitForReadyRead(int msecs) override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    bool m_ended = false;
};
