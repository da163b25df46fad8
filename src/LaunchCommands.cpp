#include "LaunchCommands.h"

#include "KavoLog.h"

#include <QTimer>

LaunchCommands::LaunchCommands(RunPart run_part, Save save, QObject* parent)
    : QObject(parent), m_run_part(std::move(run_part)), m_save(std::move(save))
{
}

void LaunchCommands::add(const QString& text, Reply reply)
{
    Launch launch;
    launch.parts =
        text.isEmpty() ? QStringList{QStringLiteral("open")} : text.split(QLatin1Char('+'));
    if (launch.parts.size() > kMaxParts) {
        launch.refused = launch.parts.size() - kMaxParts;
        launch.parts.erase(launch.parts.begin() + kMaxParts, launch.parts.end());
        log_line(QStringLiteral("A command of %1 parts arrived: only the first %2 run")
                     .arg(launch.parts.size() + launch.refused)
                     .arg(kMaxParts));
    }
    launch.reply = std::move(reply);
    m_queue.enqueue(std::move(launch));
    schedule();
}

void LaunchCommands::schedule()
{
    if (m_scheduled || m_queue.isEmpty())
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, &LaunchCommands::run_next_part);
}

void LaunchCommands::run_next_part()
{
    m_scheduled = false;
    if (m_queue.isEmpty())
        return;
    const QString part = m_queue.head().parts.at(m_next_part++);
    m_run_part(part);
    if (m_next_part >= m_queue.head().parts.size()) {
        m_next_part = 0;
        finish(m_queue.dequeue());
    }
    schedule();
}

void LaunchCommands::finish(const Launch& launch)
{
    const QString save_problem = m_save ? m_save() : QString();
    if (!launch.reply)
        return;
    if (launch.refused > 0) {
        launch.reply({{QStringLiteral("error"),
                       QStringLiteral("only the first %1 parts of the command ran; the other %2 "
                                      "were refused")
                           .arg(kMaxParts)
                           .arg(launch.refused)}});
    } else if (!save_problem.isEmpty()) {
        launch.reply(
            {{QStringLiteral("error"), QStringLiteral("the command ran, but ") + save_problem}});
    } else {
        launch.reply({{QStringLiteral("ran"), launch.parts.size()}});
    }
}
