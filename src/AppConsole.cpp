// The controller's console and settings file: spells typed on the hidden-features page or
// handed over by a later launch, and the export and import of the settings store.
#include "App.h"

#include "KavoLog.h"
#include "ShownText.h"
#include "color/ColorOutput.h"
#include "platform/Platform.h"
#include "settings/HiddenFeatures.h"
#include "settings/SaveManager.h"
#include "system/ITrayIcon.h"

#include <QTimer>

void App::create_console()
{
    m_hidden_features = std::make_unique<HiddenFeatures>(*this);
}

void App::activate_hidden_feature(const QString& hidden_feature)
{
    const QString spell = hidden_feature.isEmpty() ? QStringLiteral("help") : hidden_feature;
    log_line(spell);
    run_console_command(spell.toUtf8());
}

void App::run_console_command(const QByteArray& command)
{
    if (m_hidden_features)
        m_hidden_features->dispatch(command);
}

QVariantList App::get_hidden_features()
{
    QVariantList spells;
    for (const QString& spell : HiddenFeatures::spell_list())
        spells.append(spell);
    return spells;
}

void App::export_settings()
{
    export_settings_as(SettingsFile::Form::MultiLine);
}

void App::export_settings_string()
{
    export_settings_as(SettingsFile::Form::OneLine);
}

void App::export_settings_as(SettingsFile::Form form)
{
    SaveManager* save_manager = SaveManager::instance();
    if (!save_manager)
        return;
    // What the user sees is what is exported, once auto-save would keep it anyway.
    if (save_manager->is_autosave_enabled())
        save_manager->save_settings();
    const SettingsExchange::Result result = SettingsExchange::export_settings_file(
        save_manager->portable_store(), form, Platform::current().fileChooser());
    if (result.ok)
        show_tray_icon_message(ShownText::tr("Settings exported"), result.shown);
}

void App::import_settings()
{
    SaveManager* save_manager = SaveManager::instance();
    if (!save_manager)
        return;
    report_import(SettingsExchange::import_settings_file(save_manager->portable_store(),
                                                         Platform::current().fileChooser()));
}

SettingsExchange::Result App::import_settings_text(const QString& text)
{
    SaveManager* save_manager = SaveManager::instance();
    if (!save_manager)
        return {};
    const SettingsExchange::Result result =
        SettingsExchange::import_settings_text(save_manager->portable_store(), text);
    report_import(result);
    return result;
}

void App::report_import(const SettingsExchange::Result& result)
{
    if (result.ok)
        apply_restored_settings();
    // A cancelled dialog needs no message.
    if (result.message == QLatin1String("No File selected for Import"))
        return;
    show_tray_icon_message(result.ok ? ShownText::tr("Settings imported")
                                     : ShownText::tr("Settings not imported"),
                           result.shown);
}

void App::reset_settings_from_console()
{
    if (!SaveManager::instance())
        return;
    SaveManager::instance()->reset_store();
    apply_restored_settings();
}

// The settings map takes the stored settings again; the colours glide to what they ask for.
void App::apply_restored_settings()
{
    restore_settings();
    load_unused_pages();
    emit refresh_unused_pages_signal();
    follow_restored_settings();
}

void App::follow_restored_settings()
{
    if (m_color_output)
        m_color_output->invalidate_cache();
    move_to(static_cast<int>(get_interpolated_color_temperature(0)),
            static_cast<int>(get_interpolated_brightness(0)));
    restart_update_timer();
    if (m_tray_icon) {
        m_tray_icon->refresh_selected_mode();
        m_tray_icon->refresh_selected_type();
        m_tray_icon->rebuild_menu();
    }
    emit set_kavo_mode_dropdown_value(m_settings.value(QStringLiteral("KavoMode")).toInt());
    emit set_kavo_type_dropdown_value(m_settings.value(QStringLiteral("KavoType")).toInt());
    update_ui();
}

void App::restart_update_timer()
{
    if (m_update_timer)
        m_update_timer->start(update_interval());
}
