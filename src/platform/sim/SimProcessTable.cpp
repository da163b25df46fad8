#include "platform/sim/SimProcessTable.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace {
WindowInfo windowFromJson(const QJsonObject& json, qint64 pid)
{
    WindowInfo window;
    window.exists = true;
    window.pid = pid;
    window.shown = json.value(QLatin1String("visible")).toBool(true);
    window.minimized = json.value(QLatin1String("minimized")).toBool(false);
    window.fullScreenState = json.value(QLatin1String("fullscreen")).toBool(false);
    window.geometry =
        QRect(json.value(QLatin1String("x")).toInt(), json.value(QLatin1String("y")).toInt(),
              json.value(QLatin1String("width")).toInt(800),
              json.value(QLatin1String("height")).toInt(600));
    return window;
}
} // namespace

bool SimProcessTable::configure(const QJsonObject& config)
{
    const QPair<quint64, bool> before = front();
    m_processes.clear();
    m_order.clear();
    for (const QJsonValue& value : config.value(QLatin1String("processes")).toArray()) {
        const QJsonObject json = value.toObject();
        const qint64 pid = json.value(QLatin1String("pid")).toVariant().toLongLong();
        if (pid <= 0 || m_endedPids.contains(pid) || m_processes.contains(pid))
            continue;
        Process process;
        process.entry.pid = pid;
        process.entry.name = json.value(QLatin1String("name")).toString();
        process.entry.own =
            json.value(QLatin1String("user")).toString(QStringLiteral("me")) == QLatin1String("me");
        process.hasWindow = json.value(QLatin1String("window")).toBool(true);
        process.window = windowFromJson(json, pid);
        m_processes.insert(pid, process);
        m_order.append(pid);
    }
    m_foreground = config.value(QLatin1String("foreground")).toVariant().toLongLong();
    m_snapshotFails = config.value(QLatin1String("process_snapshot_fails")).toBool(false);
    return front() != before;
}

void SimProcessTable::addState(QJsonObject& state) const
{
    QJsonArray ended;
    for (const ProcessEntry& entry : m_ended)
        ended.append(
            QJsonObject{{QStringLiteral("pid"), entry.pid}, {QStringLiteral("name"), entry.name}});
    state.insert(QStringLiteral("ended_processes"), ended);
}

bool SimProcessTable::processes(QVector<ProcessEntry>& entries) const
{
    entries.clear();
    if (m_snapshotFails)
        return false;
    for (qint64 pid : m_order)
        entries.append(m_processes.value(pid).entry);
    return true;
}

QVector<WindowRef> SimProcessTable::topLevelWindows() const
{
    QVector<WindowRef> windows;
    for (qint64 pid : m_order) {
        if (m_processes.value(pid).hasWindow)
            windows.append(WindowRef{static_cast<quint64>(pid), pid});
    }
    return windows;
}

quint64 SimProcessTable::foregroundWindow() const
{
    const auto process = m_processes.constFind(m_foreground);
    if (process == m_processes.constEnd() || !process->hasWindow)
        return 0;
    return static_cast<quint64>(m_foreground);
}

WindowInfo SimProcessTable::describe(quint64 window) const
{
    const auto process = m_processes.constFind(static_cast<qint64>(window));
    if (process == m_processes.constEnd() || !process->hasWindow)
        return {};
    return process->window;
}

QString SimProcessTable::processName(qint64 pid) const
{
    return m_processes.value(pid).entry.name;
}

bool SimProcessTable::terminate(qint64 pid)
{
    const auto process = m_processes.constFind(pid);
    if (process == m_processes.constEnd() || !process->entry.own ||
        pid == QCoreApplication::applicationPid())
        return false;
    m_ended.append(process->entry);
    m_endedPids.insert(pid);
    m_order.removeAll(pid);
    m_processes.remove(pid);
    return true;
}

QPair<quint64, bool> SimProcessTable::front() const
{
    const quint64 window = foregroundWindow();
    return {window, describe(window).fullScreenState};
}
