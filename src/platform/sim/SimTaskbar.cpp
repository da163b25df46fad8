#include "platform/sim/SimTaskbar.h"

#include <QJsonArray>
#include <QWidget>

namespace {
QString state_name(ITaskbar::ProgressState state)
{
    switch (state) {
    case ITaskbar::ProgressState::Paused:
        return QStringLiteral("paused");
    case ITaskbar::ProgressState::Stopped:
        return QStringLiteral("stopped");
    case ITaskbar::ProgressState::Running:
        break;
    }
    return QStringLiteral("running");
}
} // namespace

void SimTaskbar::setTitle(QWidget& window, const QString& title)
{
    window.setWindowTitle(title);
    if (m_title == title)
        return;
    m_title = title;
    changed();
}

void SimTaskbar::setProgress(const Progress& progress)
{
    if (m_progress == progress)
        return;
    m_progress = progress;
    changed();
}

void SimTaskbar::setActions(const QList<Action>& actions)
{
    m_actions = actions;
    changed();
}

void SimTaskbar::addState(QJsonObject& state) const
{
    QJsonArray actions;
    for (const Action& action : m_actions) {
        actions.append(QJsonObject{{QStringLiteral("id"), action.id},
                                   {QStringLiteral("name"), action.name},
                                   {QStringLiteral("command"), action.command}});
    }
    const QJsonObject progress{{QStringLiteral("visible"), m_progress.visible},
                               {QStringLiteral("value"), m_progress.value},
                               {QStringLiteral("maximum"), m_progress.maximum},
                               {QStringLiteral("state"), state_name(m_progress.state)}};
    state.insert(QStringLiteral("taskbar"), QJsonObject{{QStringLiteral("title"), m_title},
                                                        {QStringLiteral("progress"), progress},
                                                        {QStringLiteral("actions"), actions}});
}
