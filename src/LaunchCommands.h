#pragma once

#include <QJsonObject>
#include <QObject>
#include <QQueue>
#include <QStringList>

#include <functional>

// Runs the command text of launches ("open+type Health") in the running Kavo, one text after
// the other. Each part runs in its own turn of the event loop, so kavoctl, the window and a
// quit signal are served between parts; one text runs at most kMaxParts parts and the rest are
// refused with a message; the settings are saved once, after the whole text. Each launch is
// answered once its text has run: {"ran": parts} or {"error": "..."}.
class LaunchCommands : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxParts = 64;

    using Reply = std::function<void(const QJsonObject& answer)>;
    using RunPart = std::function<void(const QString& part)>;
    // Saves the settings; why they could not be saved, or empty.
    using Save = std::function<QString()>;

    LaunchCommands(RunPart run_part, Save save, QObject* parent = nullptr);

    // Queues `text` (an empty text opens the window); `reply`, when given, gets the answer.
    void add(const QString& text, Reply reply = nullptr);

private:
    struct Launch
    {
        QStringList parts;
        int refused = 0;
        Reply reply;
    };

    void schedule();
    void run_next_part();
    void finish(const Launch& launch);

    RunPart m_run_part;
    Save m_save;
    QQueue<Launch> m_queue;
    int m_next_part = 0;
    bool m_scheduled = false;
};
