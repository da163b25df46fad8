#pragma once

#include "platform/ITaskbar.h"
#include "platform/sim/SimService.h"

// The simulated task bar entry. The state reports "taskbar": {"title", "progress": {"visible",
// "value", "maximum", "state": "running" | "paused" | "stopped"}, "actions": [{"id", "name",
// "command"}]}.
class SimTaskbar : public ITaskbar, public SimService
{
public:
    void setTitle(QWidget& window, const QString& title) override;
    void setProgress(const Progress& progress) override;
    void setActions(const QList<Action>& actions) override;

    void configure(const QJsonObject&) override {}
    void addState(QJsonObject& state) const override;

private:
    QString m_title;
    Progress m_progress;
    QList<Action> m_actions;
};
