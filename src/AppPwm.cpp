// The backlight PWM frequency through its companion programs, and the hourly night values of
// the configuration files.
#include "App.h"

#include "KavoLog.h"
#include "color/BrightnessConfigManager.h"
#include "color/PWMControl.h"
#include "color/TemperatureConfigManager.h"
#include "platform/Platform.h"
#include "platform/PrivateFiles.h"
#include "settings/SaveManager.h"

#include <QDir>
#include <QFileInfo>

void App::create_pwm_control()
{
    m_pwm_control = std::make_unique<PWMControl>();
}

void App::use_pwm_control_changed(bool value)
{
    if (store_setting(QStringLiteral("UsePWMControl"), value, "USE_PWM_CONTROL: "))
        update_pwm_control_status();
}

void App::pwm_frequency_changed(int value)
{
    if (store_setting(QStringLiteral("PWMFrequency"), value, "PWM_FREQUENCY: "))
        update_pwm_control_status();
}

void App::pwm_max_frequency_changed(int value)
{
    store_setting(QStringLiteral("PWMMaxFrequency"), value, "PWM_MAX_FREQUENCY: ");
}

void App::pwm_control_update_continuously_changed(bool value)
{
    if (store_setting(QStringLiteral("UpdateContinuously"), value, "PWM_UPDATE_CONTINUOUSLY: "))
        update_pwm_control_status();
}

void App::update_pwm_control_status()
{
    const int frequency = m_settings.value(QStringLiteral("PWMFrequency")).toInt();
    if (m_pwm_control && setting_flag("UsePWMControl") && frequency > 0)
        m_pwm_control->set_frequency(frequency);
}

void App::update_pwm_after_colour_update()
{
    if (setting_flag("UpdateContinuously"))
        update_pwm_control_status();
}

void App::restore_pwm_control_status()
{
    // One run of the read companion says both whether the screen offers PWM control and at
    // which frequency it runs.
    const int frequency = m_pwm_control ? m_pwm_control->read_frequency() : -1;
    if (frequency <= 0) {
        emit set_pwm_control_status(false, 0);
        emit set_pwm_frequency_slider_value_ui(1000);
        return;
    }
    const int stored = m_settings.value(QStringLiteral("PWMFrequency")).toInt();
    emit set_pwm_control_status(true, stored < 0 ? frequency : stored);
}

void App::load_configuration_files()
{
    // The working folder is anyone's who could write into it: its files are read only when no
    // other user may put them there.
    m_brightness_config = std::make_unique<BrightnessConfigManager>();
    m_temperature_config = std::make_unique<TemperatureConfigManager>();
    const QDir working = QDir::current();
    QStringList folders;
    if (PrivateFiles::is_trusted_folder(working.path()))
        folders << working.path();
    else if (working.exists(m_brightness_config->file_name()) ||
             working.exists(m_temperature_config->file_name()))
        log_line(QStringLiteral("The working folder %1 is open to other users: its hourly "
                                "configuration files are not read")
                     .arg(working.path()));
    if (SaveManager* store = SaveManager::instance())
        folders << QFileInfo(store->file_path()).absolutePath();
    m_brightness_config->load(folders);
    m_temperature_config->load(folders);
}

void App::apply_configuration_files()
{
    if (!m_brightness_config || !m_temperature_config)
        return;
    const int hour = Platform::current().clock().now().time().hour();
    const int monitors =
        setting_flag("UsePerMonitorSettings") ? Platform::current().displays().monitorCount() : 0;
    const HourlyConfigManager* managers[] = {m_brightness_config.get(), m_temperature_config.get()};
    bool changed = false;
    for (const HourlyConfigManager* manager : managers) {
        if (manager->has_rules() && manager->apply(hour, m_settings, monitors))
            changed = true;
    }
    if (!changed)
        return;
    update_gamma();
    if (is_page_loaded())
        restore_advanced_settings_values();
}
