#include "settings/HiddenFeatures.h"

#include "App.h"
#include "KavoLog.h"
#include "ShownText.h"
#include "settings/HiddenFeaturesCommands.h"
#include "settings/SaveManager.h"
#include "settings/SpellParser.h"

HiddenFeatures::HiddenFeatures(App& app) : m_app(app)
{
}

const std::vector<HiddenFeatures::Command>& HiddenFeatures::commands()
{
    static const std::vector<Command> table = HiddenFeaturesCommands::table();
    return table;
}

QStringList HiddenFeatures::spell_list()
{
    QStringList spells;
    for (const Command& command : commands()) {
        QStringList shown = command.patterns;
        // "%r" takes the rest of the spell as typed: to the user it is one more word.
        shown.replaceInStrings(QStringLiteral("%r"), QStringLiteral("%s"));
        spells.append(shown.join(QStringLiteral(" or ")));
    }
    return spells;
}

void HiddenFeatures::dispatch(const QByteArray& spell)
{
    run(spell);
    if (SaveManager* save_manager = SaveManager::instance())
        save_manager->save_settings();
}

void HiddenFeatures::run(const QByteArray& spell)
{
    SpellParser parser(spell);
    bool matched = false;
    for (const Command& command : commands()) {
        for (const QString& pattern : command.patterns) {
            if (parser.matches(pattern)) {
                matched = true;
                break;
            }
        }
        if (matched) {
            command.action(*this, parser);
            break;
        }
    }
    if (!matched)
        invalid_spell(parser.text());
}

void HiddenFeatures::invalid_spell(const QString& spell)
{
    log_line(QStringLiteral("Invalid spell: ") + spell);
    notify(QT_TRANSLATE_NOOP("Translator", "Invalid spell"),
           QT_TRANSLATE_NOOP(
               "Translator",
               "The spell \"%1\" seems wrong. Check the syntax or try with some other "
               "hidden feature.\nUse \"help\" to see the list of all hidden features :)"),
           spell);
}

void HiddenFeatures::notify(const char* title, const char* body, const QString& value)
{
    if (!m_app.settings_map().value(QStringLiteral("UseHiddenFeaturesNotifications")).toBool())
        return;
    const QString placeholder = QStringLiteral("%1");
    m_app.show_tray_icon_message(ShownText::tr(title).replace(placeholder, value),
                                 ShownText::tr(body).replace(placeholder, value));
}

void HiddenFeatures::notify_success(const QString& spell)
{
    notify(QT_TRANSLATE_NOOP("Translator", "Hidden feature succeeded"),
           QT_TRANSLATE_NOOP("Translator", "%1 succeeded"), spell);
}
