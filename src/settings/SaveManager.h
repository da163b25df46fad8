#pragma once

#include "Singleton.h"
#include "settings/SettingsHost.h"
#include "settings/SettingsStore.h"

#include <QSettings>

#include <functional>
#include <memory>

class QTemporaryDir;

// Moves settings between the portable store ("kavo_settings.ini", which holds every key) and
// the controller's settings map, and says when the store cannot be written.
class SaveManager : public Singleton<SaveManager>
{
public:
    static const QString kFileName; // "kavo_settings.ini"

    // Opens the store. A store of another layout is moved aside (to kavo_settings.ini.old) and
    // a fresh one started; when even that move fails, Kavo runs on default settings held in
    // memory, saving nothing, so that the old file stays as it is.
    explicit SaveManager(SettingsDefaults defaults = {});
    ~SaveManager() override;

    // The portable store's path: KAVO_SETTINGS_DIR when set; beside the executable when that
    // folder is writable and Kavo is not installed; otherwise the per-user configuration
    // folder.
    static QString portable_store_path();

    // The controller whose map is loaded and saved; operations without one do nothing.
    void set_host(SettingsHost* host) { m_host = host; }

    // The settings file, wherever the store is held.
    const QString& file_path() const { return m_path; }

    void load_settings();
    // Loads `monitor`'s values; the names of number settings whose text was refused go into
    // `refused`.
    void load_monitor_settings(int monitor, QStringList* refused = nullptr);
    // Saves the settings map and writes the store; why it could not be written, or empty.
    QString save_settings();
    // Writes the store to its file (never through a link there); why it could not, or empty.
    QString sync();
    // Why the settings cannot be saved now; empty when they can.
    const QString& save_problem() const { return m_problem; }
    // Called once each time the settings stop being savable, with why: to tell the user.
    // A problem known already is passed at once.
    void set_problem_listener(std::function<void(const QString& problem)> listener);
    void save_monitor_settings(int monitor);
    void reset_store();
    void publish_settings();

    QSettings& portable_store() { return *m_portable; }
    QSettings& user_store() { return *m_user; }

    bool is_autosave_enabled() const;
    bool is_check_for_updates_enabled() const;
    bool is_hide_taskbar_icon_enabled() const;
    bool gdipp_enabled() const;
    void write_gdipp_enabled(bool enabled);

    // Single-key writers: each stores its keys at once.
    void write_first_start_done();
    void write_state();
    void write_temperature_values();
    void write_brightness_values();
    void write_use_color_effects();
    void write_advanced_view();
    void write_language();
    void write_location();
    void write_ignored_monitors();
    void write_color_pausers(const QString& text);
    void write_timer_pausers(const QString& text);
    void write_mouse_pausers(const QString& text);
    void write_color_triggers(const QString& text);
    void write_websites_for_blocking(const QString& text);
    void write_applications_for_blocking(const QString& text);
    void write_applications_blocked(bool blocked);

private:
    bool move_store_of_another_layout();
    void run_without_saving(const QString& why);
    void report_problem(const QString& problem);
    void reopen_store();
    bool has_host() const;
    int monitor_count() const;
    void write_from_map(const QStringList& names);

    QString m_path;
    std::unique_ptr<QTemporaryDir> m_scratch; // holds the store while nothing may be saved
    std::unique_ptr<QSettings> m_portable;
    std::unique_ptr<QSettings> m_user;
    std::unique_ptr<SettingsStore> m_store;
    SettingsHost* m_host = nullptr;
    bool m_saving = true;
    QString m_problem;
    std::function<void(const QString&)> m_problem_listener;
};
