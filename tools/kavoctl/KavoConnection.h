#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <functional>

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

// Whether a Kavo listens on `socketPath` (within a second).
bool isKavoListening(const QString& socketPath);

// Connects to `socketPath`, sends `request` (nothing when empty) and reads the answer line.
KavoAnswer askKavo(const QString& socketPath, const QByteArray& request,
                   int deadlineMs = kKavoDeadlineMs);

// Connects to the follow socket at `socketPath` and hands each status line the running Kavo
// sends to `onStatus` until Kavo ends. NotRunning when nothing listens there; NoAnswer when
// the first line does not come within the deadline or a line is not a JSON object; Answered
// when Kavo ended after answering.
KavoAnswer::Outcome followKavo(const QString& socketPath,
                               const std::function<void(const QJsonObject&)>& onStatus,
                               int deadlineMs = kKavoDeadlineMs);
