// App's languages: the language of every text, switched through Translator, and the first
// start's choice from the country the geolocation named.
#include "App.h"

#include "KavoLog.h"
#include "network/Translator.h"
#include "settings/SaveManager.h"

Translator& App::translator()
{
    if (!m_translator)
        m_translator = std::make_unique<Translator>();
    return *m_translator;
}

QString App::get_language_code()
{
    return translator().language_code();
}

void App::language_changed(const QString& country_code)
{
    language_changed_force(country_code, false);
}

void App::language_changed_force(const QString& country_code, bool force)
{
    if (m_settings.value(QStringLiteral("Language")).toString() == country_code && !force)
        return;
    log_line(QStringLiteral("LANGUAGE: ") + country_code);
    m_settings.insert(QStringLiteral("Language"), country_code);
    translator().load_translation_file(country_code);
    // The texts Kavo builds itself, then every page and window (the tray icon among them)
    // through translate().
    update_times_info();
    publish_geolocation();
    emit translate();
}

void App::localize_kavo(const QString& country_name, const QString& country_code)
{
    if (!m_first_start)
        return;
    m_first_start = false;
    log_line(QStringLiteral("country_name: ") + country_name + QStringLiteral(", country_code:") +
             country_code);
    m_settings.insert(QStringLiteral("Language"),
                      Translator::country_language(country_name, country_code));
    language_changed_force(m_settings.value(QStringLiteral("Language")).toString(), true);
    if (SaveManager* save_manager = SaveManager::instance())
        save_manager->write_language();
}
