#include "settings/SaveManager.h"

#include "InstallLocation.h"
#include "KavoLog.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

const QString SaveManager::kFileName = QStringLiteral("kavo_settings.ini");

namespace {
bool is_writable_folder(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

bool is_writable_store(const QString& folder)
{
    const QFileInfo file(folder + QLatin1Char('/') + SaveManager::kFileName);
    return is_writable_folder(folder) && (!file.exists() || file.isWritable());
}
} // namespace

QString SaveManager::portable_store_path()
{
    const QString chosen = qEnvironmentVariable("KAVO_SETTINGS_DIR");
    if (!chosen.isEmpty()) {
        QDir().mkpath(chosen);
        return QDir(chosen).filePath(kFileName);
    }
    // An installed Kavo shares its bin folder with other programs: it keeps its settings in
    // the user's configuration folder.
    const QString beside = QCoreApplication::applicationDirPath();
    if (!InstallLocation::is_running_installed() && is_writable_store(beside))
        return QDir(beside).filePath(kFileName);
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(user);
    return QDir(user).filePath(kFileName);
}

SaveManager::SaveManager(SettingsDefaults defaults)
    : m_portable(std::make_unique<QSettings>(portable_store_path(), QSettings::IniFormat)),
      m_user(std::make_unique<QSettings>(QStringLiteral("Velmora"), QStringLiteral("Kavo"))),
      m_store(std::make_unique<SettingsStore>(*m_portable, defaults))
{
    if (!m_portable->isWritable())
        log_line(QStringLiteral("Settings not writable"));
    keep_store_of_another_layout();
    if (!m_store->checkVersion())
        m_portable->sync();
}

// A store of another layout (or one that is not a settings file at all) is wiped at start;
// its file is kept beside the new one first, so nothing the user had is lost for good.
void SaveManager::keep_store_of_another_layout()
{
    const QString path = m_portable->fileName();
    if (QFileInfo(path).size() == 0 ||
        m_portable->value(QStringLiteral("SaveVersion")).toString() == SettingsTable::kSaveVersion)
        return;
    const QString kept = path + QStringLiteral(".old");
    QFile::remove(kept);
    QFile::copy(path, kept);
}

SaveManager::~SaveManager()
{
    m_portable->sync();
    m_user->sync();
}

bool SaveManager::has_host() const
{
    return !KAVO_REQUIRE(m_host != nullptr && "main_window");
}

int SaveManager::monitor_count() const
{
    return Platform::current().displays().monitorCount();
}

void SaveManager::load_settings()
{
    QStringList refused;
    for (int monitor = 0; monitor <= monitor_count(); ++monitor)
        load_monitor_settings(monitor, &refused);
    // Every pass reads the common values again: one line per setting.
    refused.removeDuplicates();
    for (const QString& name : qAsConst(refused))
        log_line(name + QStringLiteral(" is not a whole number in the settings file: its default "
                                       "is used"));
}

void SaveManager::load_monitor_settings(int monitor, QStringList* refused)
{
    if (!has_host())
        return;
    m_store->loadMonitor(monitor, m_host->settings_map(), refused);
    m_host->apply_timer_times();
    m_host->location() = m_store->readLocation();
    int dropped = 0;
    m_host->ignored_monitors() = m_store->readIgnoredMonitors(monitor_count(), &dropped);
    // Every pass of a load reads the same list: one report per load.
    if (dropped > 0 && monitor == 0)
        log_line(QStringLiteral("IgnoreMonitors: %1 entries dropped (only monitors 1..%2, each "
                                "once)")
                     .arg(dropped)
                     .arg(monitor_count()));
}

void SaveManager::save_settings()
{
    for (int monitor = 0; monitor <= monitor_count(); ++monitor)
        save_monitor_settings(monitor);
    m_portable->sync();
}

void SaveManager::save_monitor_settings(int monitor)
{
    if (!has_host())
        return;
    m_host->request_page_lists();
    m_store->saveMonitor(monitor, m_host->settings_map(), m_host->get_unused_pages());
    write_location();
    write_ignored_monitors();
}

void SaveManager::reset_store()
{
    m_store->reset();
}

void SaveManager::publish_settings()
{
    if (!has_host())
        return;
    for (const char* name : {"IsFirstStart", "Language", "KavoMode", "KavoType"})
        m_host->settings_map().insert(QLatin1String(name), m_store->read(QLatin1String(name)));
    m_host->publish_settings_to_page();
}

bool SaveManager::is_autosave_enabled() const
{
    return m_store->read(QStringLiteral("AutosaveSettings")).toBool();
}

bool SaveManager::is_check_for_updates_enabled() const
{
    return m_store->read(QStringLiteral("CheckForUpdates")).toBool();
}

bool SaveManager::is_hide_taskbar_icon_enabled() const
{
    return m_store->read(QStringLiteral("HideTaskbarIcon")).toBool();
}

QString SaveManager::take_api_arguments()
{
    const QString key = QStringLiteral("ApiArguments");
    const QString arguments = m_user->value(key, QString()).toString();
    if (!arguments.isEmpty()) {
        m_user->setValue(key, QString());
        m_user->sync();
    }
    return arguments;
}

bool SaveManager::gdipp_enabled() const
{
    return m_store->read(QStringLiteral("GdippEnabled")).toBool();
}

void SaveManager::write_gdipp_enabled(bool enabled)
{
    m_store->write(QStringLiteral("GdippEnabled"), enabled);
}

void SaveManager::write_from_map(const QStringList& names)
{
    if (!has_host())
        return;
    for (const QString& name : names)
        m_store->write(name, m_host->settings_map().value(name));
}

void SaveManager::write_first_start_done()
{
    m_store->write(QStringLiteral("IsFirstStart"), false);
}

void SaveManager::write_state()
{
    if (!has_host())
        return;
    const SettingsHost::RunState state = m_host->run_state();
    m_store->write(QStringLiteral("ColorChangesPaused"), state.colorChangesPaused);
    m_store->write(QStringLiteral("KavoPaused"), state.kavoPaused);
    m_store->write(QStringLiteral("TimerPaused"), state.timerPaused);
    m_store->write(QStringLiteral("CameraActive"), state.cameraActive);
    write_from_map({QStringLiteral("KavoMode"), QStringLiteral("KavoType")});
}

void SaveManager::write_temperature_values()
{
    write_from_map({QStringLiteral("DayTemperature"), QStringLiteral("NightTemperature"),
                    QStringLiteral("SleepLight")});
}

void SaveManager::write_brightness_values()
{
    write_from_map({QStringLiteral("DayBrightness"), QStringLiteral("NightBrightness"),
                    QStringLiteral("SleepBrightness")});
}

void SaveManager::write_use_color_effects()
{
    write_from_map({QStringLiteral("UseColorEffects")});
}

void SaveManager::write_advanced_view()
{
    write_from_map({QStringLiteral("AdvancedView")});
}

void SaveManager::write_language()
{
    write_from_map({QStringLiteral("Language")});
}

void SaveManager::write_location()
{
    if (has_host())
        m_store->writeLocation(m_host->location());
}

void SaveManager::write_ignored_monitors()
{
    if (has_host())
        m_store->writeIgnoredMonitors(m_host->ignored_monitors());
}

void SaveManager::write_color_pausers(const QString& text)
{
    m_store->write(QStringLiteral("ColorPausers"), text);
}

void SaveManager::write_timer_pausers(const QString& text)
{
    m_store->write(QStringLiteral("TimerPausers"), text);
}

void SaveManager::write_mouse_pausers(const QString& text)
{
    m_store->write(QStringLiteral("MousePausers"), text);
}

void SaveManager::write_color_triggers(const QString& text)
{
    m_store->write(QStringLiteral("ColorTriggers"), text);
}

void SaveManager::write_websites_for_blocking(const QString& text)
{
    m_store->write(QStringLiteral("WebsitesForBlocking"), text);
}

void SaveManager::write_applications_for_blocking(const QString& text)
{
    m_store->write(QStringLiteral("ApplicationsForBlocking"), text);
}

void SaveManager::write_applications_blocked(bool blocked)
{
    m_store->write(QStringLiteral("ApplicationsBlocked"), blocked);
}
