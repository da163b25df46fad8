#pragma once

#include "settings/SettingsTable.h"

#include <QObject>
#include <QStringList>

class QTimer;

// The process monitor: watches which program is in front and which programs run, and
// reports what the pausers and colour triggers call for. It reads its switches and lists
// from the controller's settings map. This base does nothing; WindowsTaskManager does the work.
class ITaskManager : public QObject
{
    Q_OBJECT

public:
    // Calls update() every `update_interval` milliseconds from now on.
    ITaskManager(const SettingsMap& settings, int update_interval, QObject* parent = nullptr);

    // While enabled, competing screen-colour programs are left running.
    void set_conflicting_applications_enabled(bool enabled) { m_conflicting_enabled = enabled; }
    bool conflicting_applications_enabled() const { return m_conflicting_enabled; }

    // Whether a program of that name runs (case-insensitive).
    virtual bool is_process_running(const QString& name);
    // Closes the known competing programs unless they are allowed.
    virtual void kill_conflicting_applications();
    // Asks every process of the user named `name` to end.
    virtual void kill_process(const QString& name);
    // The last three programs in front, newest last.
    virtual QStringList get_recent_processes();
    // Looks at every running program and reports the pauses it calls for (pausers_checked).
    virtual void check_processes(bool force);

public slots:
    // A check, then the program in front: recorded and announced, and a trigger change.
    virtual void update(bool force);
    void update() { update(false); }

signals:
    // The program in front, after every update (changed or not).
    void current_active_process_changed(QString process_name);
    // The program in front, when it changed.
    void current_color_trigger_changed(QString process_name);
    // After every complete check: whether colour, timer and mouse pausers are in force.
    void pausers_checked(bool color, bool timer, bool mouse);
    // A competing program was asked to end.
    void conflicting_application_closed(QString process_name);
    // Another window came to the front (or changed its full-screen state) and was looked at.
    void foreground_changed();

protected:
    const SettingsMap& m_settings;

private:
    bool m_conflicting_enabled = false;
    QTimer* m_timer = nullptr;
};
