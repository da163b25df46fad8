#pragma once

#include "system/ITaskManager.h"
#include "system/PauserRules.h"

#include <QHash>

class IDisplays;
class IWindows;
struct ProcessEntry;
struct WindowInfo;
struct WindowRef;

// The process monitor over the platform's windows and processes. It looks at every program
// each update interval and, while a pauser or the colour triggers are on, whenever another
// window comes to the front.
class WindowsTaskManager : public ITaskManager
{
    Q_OBJECT

public:
    WindowsTaskManager(IWindows& windows, IDisplays& displays, const SettingsMap& settings,
                       int update_interval, QObject* parent = nullptr);
    ~WindowsTaskManager() override;

    bool is_process_running(const QString& name) override;
    void kill_conflicting_applications() override;
    void kill_process(const QString& name) override;
    QStringList get_recent_processes() override { return m_recent; }
    void check_processes(bool force) override;

    // The program in front as last announced (empty when none).
    QString current_process() const { return m_current_name; }

public slots:
    void update(bool force) override;

private:
    struct Foreground;
    PauserRules rules() const;
    QStringList list(const char* key) const;
    bool flag(const char* key) const;
    Foreground foreground();
    bool is_full_screen(const WindowInfo& window);
    ProcessView view(const ProcessEntry& entry, const QMultiHash<qint64, quint64>& windows,
                     const Foreground& front);
    void add_named_windows(const PauserRules& pausers, const QMultiHash<qint64, quint64>& windows,
                           const Foreground& front, PauseDecision& decision);
    void close_competitor(const ProcessEntry& entry, QStringList& closed);
    QString foreground_name();
    void remember_recent(const QString& name);
    void on_foreground_changed();

    IWindows& m_windows;
    IDisplays& m_displays;
    QStringList m_recent;
    QString m_current_name;
    bool m_checking = false;
};
