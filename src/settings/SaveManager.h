#pragma once

#include "Singleton.h"
#include "settings/SettingsHost.h"
#include "settings/SettingsStore.h"

#include <QSettings>

#include <memory>

// Moves settings between the two stores and the controller's settings map.
// The portable store ("kavo_settings.ini") holds every key; the per-user store only
// ApiArguments, the command text handed over by a second launch.
class SaveManager : public Singleton<SaveManager>
{
public:
    static const QString kFileName; // "kavo_settings.ini"

    // Opens both stores, reports an unwritable portable store, wipes a store of another layout.
    explicit SaveManager(SettingsDefaults defaults = {});
    ~SaveManager() override;

    // The portable store's path: KAVO_SETTINGS_DIR when set; beside the executable when that
    // folder is writable and Kavo is not installed; otherwise the per-user configuration
    // folder.
    static QString portable_store_path();

    // The controller whose map is loaded and saved; operations without one do nothing.
    void set_host(SettingsHost* host) { m_host = host; }

    void load_settings();
    // Loads `monitor`'s values; the names of number settings whose text was refused go into
    // `refused`.
    void load_monitor_settings(int monitor, QStringList* refused = nullptr);
    void save_settings();
    void save_monitor_settings(int monitor);
    void reset_store();
    void publish_settings();

    QSettings& portable_store() { return *m_portable; }
    QSettings& user_store() { return *m_user; }

    bool is_autosave_enabled() const;
    bool is_check_for_updates_enabled() const;
    bool is_hide_taskbar_icon_enabled() const;
    // The command text a launch handed over, cleared once taken: a later connection that
    // hands over nothing never runs it again.
    QString take_api_arguments();
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
    void keep_store_of_another_layout();
    bool has_host() const;
    int monitor_count() const;
    void write_from_map(const QStringList& names);

    std::unique_ptr<QSettings> m_portable;
    std::unique_ptr<QSettings> m_user;
    std::unique_ptr<SettingsStore> m_store;
    SettingsHost* m_host = nullptr;
};
