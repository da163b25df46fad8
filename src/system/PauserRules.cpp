#include "system/PauserRules.h"

#include "system/ProcessNames.h"

namespace {
bool any_exact(const QStringList& entries, const QString& name)
{
    for (const QString& entry : entries) {
        if (ProcessNames::same(entry, name))
            return true;
    }
    return false;
}

bool any_mention(const QStringList& entries, const QString& name)
{
    for (const QString& entry : entries) {
        if (ProcessNames::mentioned_in(entry, name))
            return true;
    }
    return false;
}

qint64 overlap(const QRect& first, const QRect& second)
{
    const QRect common = first.intersected(second);
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
}
} // namespace

bool PauserRules::mentions(const QString& name) const
{
    return (color.on && any_mention(color.entries, name)) ||
           (timer.on && any_exact(timer.entries, name)) ||
           (mouse.on && any_exact(mouse.entries, name));
}

bool PauserRules::color_pauses(const QStringList& entries, const ProcessView& process,
                               bool foreground_full_screen)
{
    for (const QString& entry : entries) {
        if (!ProcessNames::mentioned_in(entry, process.name))
            continue;
        if (!ProcessNames::asks_full_screen(entry))
            return process.visible;
        return process.full_screen || (process.foreground && foreground_full_screen);
    }
    return false;
}

bool PauserRules::exact_pauses(const QStringList& entries, const ProcessView& process)
{
    return any_exact(entries, process.name) && process.visible;
}

void PauserRules::add(const ProcessView& process, bool foreground_full_screen,
                      PauseDecision& decision) const
{
    if (color.on)
        decision.color |= color_pauses(color.entries, process, foreground_full_screen);
    if (timer.on)
        decision.timer |= exact_pauses(timer.entries, process);
    if (mouse.on)
        decision.mouse |= exact_pauses(mouse.entries, process);
}

void PauserRules::add_full_screen_foreground(bool foreground_full_screen,
                                             PauseDecision& decision) const
{
    if (!foreground_full_screen)
        return;
    decision.color |= color.on && color.full_screen_apps;
    decision.timer |= timer.on && timer.full_screen_apps;
    decision.mouse |= mouse.on && mouse.full_screen_apps;
}

bool PauserRules::covers_monitor(const QRect& window, const QVector<QRect>& monitors)
{
    if (monitors.isEmpty() || window.isEmpty())
        return false;
    QRect nearest = monitors.first();
    qint64 best = 0;
    for (const QRect& monitor : monitors) {
        const qint64 shared = overlap(window, monitor);
        if (shared > best) {
            best = shared;
            nearest = monitor;
        }
    }
    return window.size() == nearest.size();
}
