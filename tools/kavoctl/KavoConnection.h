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
        NoAnswer,
        Foreign // a process of another user answers there: not trusted, nothing was sent
    };

    Outcome outcome = Outcome::NotRunning;
    QJsonObject object; // when answered
};

constexpr int kKavoDeadlineMs = 5000;

// Whether a Kavo of this user listens on `socketPath` (within a second).
bool isKavoListening(const QString& socketPath);

// The message for an answer from a process of another user on `socketPath`.
QString foreignAnswerText(const QString& socketPath);

// Connects to `socketPath`, sends `request` (nothing when empty) and reads the answer line,
// when the process at the other end runs as this user.
KavoAnswer askKavo(const QString& socketPath, const QByteArray& request,
                   int deadlineMs = kKavoDeadlineMs);

// Connects to the follow socket at `socketPath` and hands each status line the running Kavo
// sends to `onStatus` until Kavo ends. NotRunning when nothing listens there; Foreign when a
// process of another user does; NoAnswer when
// the first line does not come within the deadline or a line is not a JSON object; Answered
// when Kavo ended after answering.
KavoAnswer::Outcome followKavo(const QString& socketPath,
                               const std::function<void(const QJsonObject&)>& onStatus,
                               int deadlineMs = kKavoDeadlineMs);
