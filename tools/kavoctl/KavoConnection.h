#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// One question to the running Kavo over one of its local sockets, answered by one line of
// JSON, all within an overall deadline, so a stalled Kavo cannot hang a script or status bar.
struct KavoAnswer
{
    enum class Outcome
    {
        Answered,
        NotRunning,
        NoAnswer
    };

    Outcome outcome = Outcome::NotRunning;
    QJsonObject object; // when answered
};

constexpr int kKavoDeadlineMs = 5000;

// Connects to `socketPath`, sends `request` (nothing when empty) and reads the answer line.
KavoAnswer askKavo(const QString& socketPath, const QByteArray& request,
                   int deadlineMs = kKavoDeadlineMs);
