#include "system/ITaskManager.h"

#include <QTimer>

ITaskManager::ITaskManager(const SettingsMap& settings, int update_interval, QObject* parent)
    : QObject(parent), m_settings(settings), m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, qOverload<>(&ITaskManager::update));
    m_timer->start(update_interval);
}

bool ITaskManager::is_process_running(const QString&)
{
    return false;
}

void ITaskManager::kill_conflicting_applications()
{
}

void ITaskManager::kill_process(const QString&)
{
}

QStringList ITaskManager::get_recent_processes()
{
    return {};
}

void ITaskManager::check_processes(bool)
{
}

void ITaskManager::update(bool)
{
}
