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
        NoAnswer,
        Foreign // a process of another user answers there: not trusted, nothing was sent
    };

    Outcome outcome = Outcome::NotRunning;
    QJsonObject object; // when answered
};

constexpr int kKavoDeadlineMs = 5000;

// The message for an answer from a process of another user on `socketPath`.
QString foreignAnswerText(const QString& socketPath);

// Connects to `socketPath`, sends `request` (nothing when empty) and reads the answer line,
// when the process at the other end runs as this user.
KavoAnswer askKavo(const QString& socketPath, const QByteArray& request,
                   int deadlineMs = kKavoDeadlineMs);
