#include "settings/SaveManager.h"

#include "InstallLocation.h"
#include "KavoLog.h"
#include "platform/Platform.h"
#include "platform/PrivateFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <cstring>

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

// QSettings says only that it could not write: find out why.
QString why_not_written(const QString& path)
{
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    if (file.isDir())
        return QStringLiteral("a folder stands where the file belongs");
    if (!is_writable_folder(folder))
        return QStringLiteral("its folder is read-only");
    if (file.exists() && !file.isWritable())
        return QStringLiteral("the file is read-only");
    const QStorageInfo storage(folder);
    if (storage.isValid() && storage.bytesAvailable() < file.size() + 4096)
        return QStringLiteral("the disk is full");
    return QStringLiteral("the file cannot be written");
}

// A link where the store belongs is replaced by the store's own file, never written through
// (QSettings would follow it).
std::unique_ptr<QSettings> open_store(const QString& path)
{
    PrivateFiles::remove_link(path);
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
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
    : m_path(portable_store_path()), m_portable(open_store(m_path)),
      m_user(std::make_unique<QSettings>(QStringLiteral("Velmora"), QStringLiteral("Kavo")))
{
    if (!m_portable->isWritable())
        log_line(QStringLiteral("Settings not writable"));
    if (!move_store_of_another_layout())
        m_portable =
            std::make_unique<QSettings>(m_scratch->filePath(kFileName), QSettings::IniFormat);
    m_store = std::make_unique<SettingsStore>(*m_portable, defaults);
    if (!m_store->checkVersion())
        sync();
}

// A store of another layout (or one that is not a settings file at all) is replaced by a
// fresh one at start. Its file is moved aside first, which needs no free space, so nothing the
// user had is lost for good; false when it cannot be, and nothing may be saved then.
bool SaveManager::move_store_of_another_layout()
{
    if (QFileInfo(m_path).size() == 0 ||
        m_portable->value(QStringLiteral("SaveVersion")).toString() == SettingsTable::kSaveVersion)
        return true;
    const QString kept = m_path + QStringLiteral(".old");
    // rename() replaces an earlier kept file in the same step.
    if (std::rename(QFile::encodeName(m_path).constData(), QFile::encodeName(kept).constData()) ==
        0) {
        log_line(QStringLiteral("The settings file was of another layout: it was moved to ") +
                 kept + QStringLiteral(" and Kavo starts with default settings"));
        return true;
    }
    run_without_saving(QString::fromLocal8Bit(std::strerror(errno)));
    return false;
}

void SaveManager::run_without_saving(const QString& why)
{
    m_saving = false;
    m_scratch = std::make_unique<QTemporaryDir>();
    report_problem(QStringLiteral("the settings file %1 is of another layout and could not be "
                                  "moved aside to %1.old (%2): it is kept as it is, and Kavo runs "
                                  "on default settings without saving them")
                       .arg(m_path, why));
}

QString SaveManager::sync()
{
    if (!m_saving)
        return m_problem;
    // A store that failed keeps saying so: a fresh one, holding the same values, tells whether
    // the file can be written now.
    if (m_portable->status() == QSettings::AccessError)
        reopen_store();
    PrivateFiles::remove_link(m_path);
    m_portable->sync();
    // A file that did not read as settings (FormatError) is still written over.
    if (m_portable->status() != QSettings::AccessError) {
        if (!m_problem.isEmpty())
            log_line(QStringLiteral("Settings can be saved again to ") + m_path);
        m_problem.clear();
        return {};
    }
    report_problem(
        QStringLiteral("settings cannot be saved to %1: %2").arg(m_path, why_not_written(m_path)));
    return m_problem;
}

void SaveManager::reopen_store()
{
    auto fresh = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
    fresh->clear();
    for (const QString& key : m_portable->allKeys())
        fresh->setValue(key, m_portable->value(key));
    m_store->rebind(*fresh);
    m_portable = std::move(fresh);
}

void SaveManager::report_problem(const QString& problem)
{
    if (problem == m_problem)
        return;
    m_problem = problem;
    log_line(QStringLiteral("Kavo: ") + problem);
    if (m_problem_listener)
        m_problem_listener(problem);
}

void SaveManager::set_problem_listener(std::function<void(const QString&)> listener)
{
    m_problem_listener = std::move(listener);
    if (m_problem_listener && !m_problem.isEmpty())
        m_problem_listener(m_problem);
}

SaveManager::~SaveManager()
{
    sync();
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

QString SaveManager::save_settings()
{
    for (int monitor = 0; monitor <= monitor_count(); ++monitor)
        save_monitor_settings(monitor);
    return sync();
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
    sync();
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
