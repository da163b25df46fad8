#include "system/WindowsTaskManager.h"

#include "KavoLog.h"
#include "platform/IDisplays.h"
#include "platform/IWindows.h"
#include "system/ProcessNames.h"

#include <QCoreApplication>
#include <QSet>

namespace {
constexpr int kRecentKept = 3;

const char* const kKnownCompetitors[] = {"flux.exe", "SunsetScreen.exe", "kavo-mini-dynamic.exe",
                                         "kavo-mini.exe"};
} // namespace

// The window in front and what the pausers ask about it.
struct WindowsTaskManager::Foreground
{
    quint64 window = 0;
    qint64 pid = 0;
    bool full_screen = false;
};

WindowsTaskManager::WindowsTaskManager(IWindows& windows, IDisplays& displays,
                                       const SettingsMap& settings, int update_interval,
                                       QObject* parent)
    : ITaskManager(settings, update_interval, parent), m_windows(windows), m_displays(displays)
{
    m_windows.watchForeground([this] { on_foreground_changed(); });
}

WindowsTaskManager::~WindowsTaskManager()
{
    m_windows.watchForeground({});
}

bool WindowsTaskManager::flag(const char* key) const
{
    return m_settings.value(QLatin1String(key)).toBool();
}

QStringList WindowsTaskManager::list(const char* key) const
{
    return m_settings.value(QLatin1String(key)).toString().split(QLatin1Char('\n'));
}

PauserRules WindowsTaskManager::rules() const
{
    PauserRules rules;
    rules.color = {flag("UseColorPausers"), list("ColorPausers"),
                   flag("ColorPausersPauseOnFullscreenApps")};
    rules.timer = {flag("UseTimerPausers"), list("TimerPausers"),
                   flag("TimerPausersPauseOnFullscreenApps")};
    rules.mouse = {flag("UseMousePausers"), list("MousePausers"),
                   flag("MousePausersPauseOnFullscreenApps")};
    return rules;
}

// Another window in front matters at once to the pausers and to the colour triggers.
void WindowsTaskManager::on_foreground_changed()
{
    if (!rules().any_on() && !flag("UseColorTriggers"))
        return;
    update(false);
    emit foreground_changed();
}

void WindowsTaskManager::update(bool force)
{
    check_processes(force);
    const QString name = foreground_name();
    if (!ProcessNames::is_ignored(name)) {
        remember_recent(name);
        emit current_active_process_changed(name);
    }
    if (name != m_current_name) {
        m_current_name = name;
        emit current_color_trigger_changed(name);
    }
}

void WindowsTaskManager::remember_recent(const QString& name)
{
    m_recent.removeAll(name);
    m_recent.append(name);
    while (m_recent.size() > kRecentKept)
        m_recent.removeFirst();
}

QString WindowsTaskManager::foreground_name()
{
    const WindowInfo window = m_windows.describe(m_windows.foregroundWindow());
    if (!window.exists)
        return {};
    // A program the desktop names without saying which process it is goes by that name.
    return window.pid > 0 ? m_windows.processName(window.pid) : window.appId;
}

bool WindowsTaskManager::is_full_screen(const WindowInfo& window)
{
    if (!window.exists || window.desktop)
        return false;
    return window.fullScreenState ||
           PauserRules::covers_monitor(window.geometry, m_displays.monitorGeometries());
}

WindowsTaskManager::Foreground WindowsTaskManager::foreground()
{
    const quint64 id = m_windows.foregroundWindow();
    const WindowInfo window = m_windows.describe(id);
    return Foreground{window.exists ? id : 0, window.exists ? window.pid : 0,
                      is_full_screen(window)};
}

void WindowsTaskManager::check_processes(bool)
{
    if (m_checking)
        return;
    const PauserRules pausers = rules();
    if (!pausers.any_on() && conflicting_applications_enabled())
        return;
    QVector<ProcessEntry> processes;
    if (!m_windows.processes(processes) || processes.isEmpty())
        return; // the pauses in force stay until a complete check
    m_checking = true;

    QMultiHash<qint64, quint64> windows;
    if (pausers.any_on()) {
        const QVector<WindowRef> refs = m_windows.topLevelWindows();
        // Inserted last to first, so that values() lists each process's windows in order.
        for (auto it = refs.crbegin(); it != refs.crend(); ++it)
            windows.insert(it->pid, it->id);
    }
    const Foreground front = pausers.any_on() ? foreground() : Foreground{};
    PauseDecision decision;
    QStringList closed;
    for (const ProcessEntry& entry : processes) {
        if (pausers.any_on() && pausers.mentions(entry.name))
            pausers.add(view(entry, windows, front), front.full_screen, decision);
        if (!conflicting_applications_enabled() && ProcessNames::is_competitor(entry.name))
            close_competitor(entry, closed);
    }
    if (pausers.any_on())
        add_named_windows(pausers, windows, front, decision);
    pausers.add_full_screen_foreground(front.full_screen, decision);
    emit pausers_checked(decision.color, decision.timer, decision.mouse);
    m_checking = false;
}

// The program as the pausers see it: its main window is its first top-level window that
// belongs to no other window and is shown.
ProcessView WindowsTaskManager::view(const ProcessEntry& entry,
                                     const QMultiHash<qint64, quint64>& windows,
                                     const Foreground& front)
{
    ProcessView process;
    process.name = entry.name;
    process.foreground = front.pid == entry.pid;
    for (quint64 id : windows.values(entry.pid)) {
        const WindowInfo window = m_windows.describe(id);
        if (!window.exists || !window.ownerless || !window.shown)
            continue;
        process.visible = !window.minimized;
        process.full_screen = is_full_screen(window);
        break;
    }
    return process;
}

// Windows the desktop names itself (a Wayland app_id, KWin's resource class) answer to that
// name too, where their process is unknown or goes by another name.
void WindowsTaskManager::add_named_windows(const PauserRules& pausers,
                                           const QMultiHash<qint64, quint64>& windows,
                                           const Foreground& front, PauseDecision& decision)
{
    for (auto it = windows.cbegin(); it != windows.cend(); ++it) {
        const WindowInfo window = m_windows.describe(it.value());
        if (!window.exists || window.appId.isEmpty() || !pausers.mentions(window.appId))
            continue;
        if (window.pid > 0 && pausers.mentions(m_windows.processName(window.pid)))
            continue; // already counted as its process
        ProcessView program;
        program.name = window.appId;
        program.foreground = front.window == it.value();
        program.visible = window.shown && !window.minimized;
        program.full_screen = is_full_screen(window);
        pausers.add(program, front.full_screen, decision);
    }
}

void WindowsTaskManager::close_competitor(const ProcessEntry& entry, QStringList& closed)
{
    // Only the user's own programs, and never Kavo itself.
    if (!entry.own || entry.pid == QCoreApplication::applicationPid())
        return;
    log_line(QStringLiteral("kill competition and reset colors"));
    if (!m_windows.terminateProcess(entry.pid) || closed.contains(entry.name))
        return;
    closed.append(entry.name);
    emit conflicting_application_closed(entry.name);
}

bool WindowsTaskManager::is_process_running(const QString& name)
{
    QVector<ProcessEntry> processes;
    m_windows.processes(processes);
    for (const ProcessEntry& entry : processes) {
        if (ProcessNames::base(entry.name).compare(ProcessNames::base(name), Qt::CaseInsensitive) ==
            0)
            return true;
    }
    return false;
}

void WindowsTaskManager::kill_conflicting_applications()
{
    if (conflicting_applications_enabled())
        return;
    for (const char* name : kKnownCompetitors)
        kill_process(QLatin1String(name));
}

void WindowsTaskManager::kill_process(const QString& name)
{
    QVector<ProcessEntry> processes;
    m_windows.processes(processes);
    for (const ProcessEntry& entry : processes) {
        if (entry.own && entry.pid != QCoreApplication::applicationPid() &&
            ProcessNames::same(name, entry.name))
            m_windows.terminateProcess(entry.pid);
    }
}
