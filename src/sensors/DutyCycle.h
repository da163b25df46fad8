#pragma once

#include <QElapsedTimer>

// Keeps the work on camera frames to a share of the time: after a frame that took t to
// process, the next one is processed only once t × (1 − share) ÷ share has passed. Frames in
// between are let go unprocessed.
class DutyCycle
{
public:
    explicit DutyCycle(double share);

    // Whether the next frame may be processed now.
    bool due() const;

    // Around the processing of one frame.
    void begin();
    void end();

private:
    double m_rest_per_work;
    QElapsedTimer m_clock;
    qint64 m_started = 0;
    qint64 m_next = 0;
};
