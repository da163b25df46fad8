// The hidden-features console's command table and its actions, in matching order.
#include "settings/HiddenFeaturesCommands.h"

#include "App.h"
#include "KavoLog.h"
#include "ShownText.h"
#include "color/Cyclops.h"
#include "platform/Platform.h"
#include "settings/SaveManager.h"
#include "settings/SettingsExchange.h"
#include "settings/SpellParser.h"
#include "system/ITaskManager.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include <climits>

namespace {
using HF = HiddenFeatures;
using Spell = SpellParser;

SettingsMap& settings(HF& console)
{
    return console.app().settings_map();
}

bool flag(HF& console, const char* key)
{
    return settings(console).value(QLatin1String(key)).toBool();
}

void put(HF& console, const char* key, const QVariant& value)
{
    settings(console).insert(QLatin1String(key), value);
}

// The enabled and the disabled message of a switch command (texts marked for translation).
struct Messages
{
    const char* on_title;
    const char* on_body;
    const char* off_title;
    const char* off_body;
};

void say(HF& console, bool on, const Messages& messages)
{
    if (on)
        console.notify(messages.on_title, messages.on_body);
    else
        console.notify(messages.off_title, messages.off_body);
}

// A value command's range and texts; %1 in a text is the value.
struct ValueRange
{
    int minimum;
    int maximum;
    const char* log_label;
    const char* invalid_title;
    const char* invalid_body;
    const char* title;
    const char* body;
    bool hour_of_day = false; // 24 is midnight
};

const ValueRange kTemperature{
    0,
    10000,
    "Invalid value for temperature:",
    QT_TRANSLATE_NOOP("Translator", "Invalid temperature"),
    QT_TRANSLATE_NOOP("Translator", "%1 is invalid value for Color temperature. Use number "
                                    "between 0 and 10000."),
    QT_TRANSLATE_NOOP("Translator", "Temperature changed"),
    QT_TRANSLATE_NOOP("Translator", "Color temperature changed to %1K")};
const ValueRange kBrightness{
    10,
    100,
    "Invalid value for brightness:",
    QT_TRANSLATE_NOOP("Translator", "Invalid brightness"),
    QT_TRANSLATE_NOOP("Translator",
                      "%1 is invalid value for Brightness. Use number between 10 and 100."),
    QT_TRANSLATE_NOOP("Translator", "Brightness changed"),
    QT_TRANSLATE_NOOP("Translator", "Brightness changed to %1%")};
const ValueRange kNightStart{
    0,
    24,
    "Invalid value for night start time:",
    QT_TRANSLATE_NOOP("Translator", "Invalid Night start time"),
    QT_TRANSLATE_NOOP("Translator",
                      "%1 is invalid value for Night start time. Use number between 0 and 24."),
    QT_TRANSLATE_NOOP("Translator", "Night start time changed"),
    QT_TRANSLATE_NOOP("Translator", "Manual night start time changed to %1h"),
    true};
const ValueRange kNightEnd{
    0,
    24,
    "Invalid value for night end time:",
    QT_TRANSLATE_NOOP("Translator", "Invalid Night end time"),
    QT_TRANSLATE_NOOP("Translator",
                      "%1 is invalid value for Night end time. Use number between 0 and 24."),
    QT_TRANSLATE_NOOP("Translator", "Night end time changed"),
    QT_TRANSLATE_NOOP("Translator", "Manual night end time changed to %1h"),
    true};

// Where the spell's first integer is.
int first_integer(const Spell& spell)
{
    for (int i = 0; i < spell.tokens().size(); ++i) {
        if (spell.tokens().at(i).kind == Spell::Kind::Integer)
            return i;
    }
    return -1;
}

int number(const Spell& spell)
{
    return spell.integer(first_integer(spell));
}

// Checks the spell's integer at `position` (-1: its first integer) against `range`, then
// applies it.
HF::Action value_command(const ValueRange& range, int position, void (App::*apply)(int, int))
{
    return [&range, position, apply](HF& console, const Spell& spell) {
        const int value = spell.integer(position < 0 ? first_integer(spell) : position);
        const QString text = QString::number(value);
        if (value < range.minimum || value > range.maximum) {
            log_line(QLatin1String(range.log_label) + text);
            console.notify(range.invalid_title, range.invalid_body, text);
            return;
        }
        // The hour 24 is midnight, the start of the day.
        const int applied = range.hour_of_day && value == 24 ? 0 : value;
        (console.app().*apply)(applied, 0);
        console.notify(range.title, range.body, text);
    };
}

// "%b ..." commands that put the value into one setting and show a message pair.
HF::Action map_switch(const char* key, const Messages& messages)
{
    return [key, messages](HF& console, const Spell& spell) {
        put(console, key, spell.boolean(0));
        say(console, spell.boolean(0), messages);
    };
}

// "%b ..." commands that run a setter, then report the setting as it now is.
HF::Action setter_switch(void (App::*setter)(bool), const char* key, const Messages& messages)
{
    return [setter, key, messages](HF& console, const Spell& spell) {
        (console.app().*setter)(spell.boolean(0));
        say(console, flag(console, key), messages);
    };
}

HF::Action keyboard_switch(std::initializer_list<const char*> keys, const Messages& messages)
{
    const std::vector<const char*> names(keys);
    return [names, messages](HF& console, const Spell& spell) {
        for (const char* key : names)
            put(console, key, spell.boolean(0));
        console.app().reconnect_keyboard_hook();
        say(console, flag(console, names.front()), messages);
    };
}

void accepted(HF&, const Spell&)
{
}

void succeed(HF& console, const Spell& spell)
{
    console.notify_success(spell.text());
}

HF::Action then_succeed(HF::Action action)
{
    return [action](HF& console, const Spell& spell) {
        action(console, spell);
        succeed(console, spell);
    };
}

HF::Action set_keys(std::initializer_list<const char*> keys)
{
    const std::vector<const char*> names(keys);
    return then_succeed([names](HF& console, const Spell& spell) {
        for (const char* key : names)
            put(console, key, number(spell));
    });
}

void open_page(HF& console, const QString& page)
{
    App& app = console.app();
    app.bring_to_front();
    app.set_page_to_open(page);
    app.use_advanced_settings_changed(true);
    emit app.set_use_advanced_settings(flag(console, "AdvancedView"));
    emit app.open_page(page);
}

// Type numbers by console name; any other word is Custom.
int type_number(const QString& word)
{
    static const char* const kNames[] = {"Health",      "Sleep",     "Gaming",     "Reading",
                                         "Programming", "Biohacker", "Sunglasses", "Dark",
                                         "Movie",       "Overlay"};
    for (int i = 0; i < int(std::size(kNames)); ++i) {
        if (word.compare(QLatin1String(kNames[i]), Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return 0;
}

void switch_type(HF& console, const QString& word)
{
    console.notify(
        QT_TRANSLATE_NOOP("Translator", "Kavo is switching to %1 type"),
        QT_TRANSLATE_NOOP("Translator",
                          "You will see the difference in your screen after a moment :)"),
        word);
    console.app().kavo_type_changed(type_number(word));
}

void page_list(HF& console, bool shown, const QString& name)
{
    if (shown)
        console.app().remove_unused_page(name);
    else
        console.app().add_unused_page(name);
    console.app().refresh_unused_pages();
}

void hidden_features_notifications(HF& console, const Spell& spell)
{
    const bool on = spell.boolean(0);
    say(console, on,
        {QT_TRANSLATE_NOOP("Translator", "Notifications enabled"),
         QT_TRANSLATE_NOOP("Translator", "Hidden features notifications are enabled. They are show "
                                         "so you will know when your spell is successful"),
         QT_TRANSLATE_NOOP("Translator", "Notifications disabled"),
         QT_TRANSLATE_NOOP("Translator", "Hidden features notifications are disabled. This is the "
                                         "last notification that you will see")});
    put(console, "UseHiddenFeaturesNotifications", on);
}

void gamma_fixer(HF& console, const Spell& spell)
{
    put(console, "UseGammaFixer", spell.boolean(0));
    if (SaveManager* save_manager = SaveManager::instance())
        save_manager->save_settings();
    say(console, spell.boolean(0),
        {QT_TRANSLATE_NOOP("Translator", "Gamma fixer enabled"),
         QT_TRANSLATE_NOOP("Translator",
                           "Gamma fixer is enabled. If notice slight color changing every second "
                           "disable the Gamma fixer again. Gamma fixer is used, because Windows "
                           "decides to ignore Kavo mini changes from time to time."),
         QT_TRANSLATE_NOOP("Translator", "Gamma fixer disabled"),
         QT_TRANSLATE_NOOP("Translator",
                           "Gamma fixer is disabled. If your screen suddenly becomes bright enable "
                           "it again or click the Kavo mini icon several times. Both should force "
                           "Kavo to change the screen colors.")});
}

void software_cursor(HF& console, const Spell& spell)
{
    if (spell.boolean(0))
        console.notify(QT_TRANSLATE_NOOP("Translator", "Software cursor enabled"),
                       QT_TRANSLATE_NOOP("Translator",
                                         "Color changes will apply also on the cursor. If it "
                                         "starts to dissappear use disable software cursor to "
                                         "make it bright again."));
    else
        console.notify(QT_TRANSLATE_NOOP("Translator", "Hardware cursor enabled"),
                       QT_TRANSLATE_NOOP("Translator",
                                         "Color changes will not apply on the cursor. If you don't "
                                         "like the bright blue cursor at night use enable "
                                         "software cursor to make apply color changes on the "
                                         "cursor."));
    console.app().use_software_cursor_changed(spell.boolean(0));
}

void conflicting_applications(HF& console, const Spell& spell)
{
    put(console, "EnableConflictingApplications", spell.boolean(0));
    if (ITaskManager* monitor = console.app().task_manager())
        monitor->set_conflicting_applications_enabled(spell.boolean(0));
    say(console, spell.boolean(0),
        {QT_TRANSLATE_NOOP("Translator", "Conflicting applications enabled"),
         QT_TRANSLATE_NOOP("Translator", "Conflicting applications are enabled. You can now use "
                                         "other softwares which change the screen colors."),
         QT_TRANSLATE_NOOP("Translator", "Conflicting applications disabled"),
         QT_TRANSLATE_NOOP("Translator", "Conflicting applications are disabled. In order to not "
                                         "cause flicker conflicting applications are disabled.")});
}

void monitor_switch(HF& console, const Spell& spell)
{
    const int monitor = number(spell);
    console.app().ignore_monitor_changed(monitor, !spell.boolean(0));
    const QString number_text = QString::number(monitor);
    if (console.app().ignored_monitors().contains(monitor))
        console.notify(
            QT_TRANSLATE_NOOP("Translator", "Monitor %1 disabled"),
            QT_TRANSLATE_NOOP("Translator", "Kavo will not apply color changes to Monitor %1"),
            number_text);
    else
        console.notify(
            QT_TRANSLATE_NOOP("Translator", "Monitor %1 enabled"),
            QT_TRANSLATE_NOOP("Translator", "Kavo will apply color changes to Monitor %1"),
            number_text);
}

void location_value(HF& console, const Spell& spell, void (App::*setter)(double), const char* title,
                    const char* body)
{
    const double value = spell.real(3);
    (console.app().*setter)(value);
    console.notify(title, body, QString::number(value));
}

void update_interval(HF& console, qint64 milliseconds)
{
    put(console, "KavoUpdateInterval", int(qBound<qint64>(INT_MIN, milliseconds, INT_MAX)));
    console.app().restart_update_timer();
}

void try_color_pausers(HF& console, const Spell&)
{
    App& app = console.app();
    app.bring_to_front();
    app.set_page_to_open(QStringLiteral("color pausers"));
    app.use_advanced_settings_changed(true);
    app.use_color_pausers_changed(true);
    emit app.set_use_advanced_settings(flag(console, "AdvancedView"));
    emit app.set_use_color_pausers(flag(console, "UseColorPausers"));
    emit app.open_page(QStringLiteral("color pausers"));
}

void expand_color_range(HF& console, const Spell& spell)
{
    App& app = console.app();
    Cyclops cyclops(
        Platform::current().registry(),
        [&app](const QString& title, const QString& message) { app.show_message(title, message); });
    if (cyclops.is_gamma_range_expanded()) {
        console.notify(QT_TRANSLATE_NOOP("Translator", "Color range is already expanded"),
                       QT_TRANSLATE_NOOP("Translator",
                                         "Color range is already expanded. If you have problems "
                                         "with lower values try to Restart your PC. If the "
                                         "problem persist write to us with info about your PC to "
                                         "test and fix this."));
        return;
    }
    if (cyclops.expand_gamma_range() && cyclops.is_gamma_range_expanded())
        succeed(console, spell);
    else
        console.notify(QT_TRANSLATE_NOOP("Translator", "Expand color range Failed"),
                       QT_TRANSLATE_NOOP("Translator", "Expand color range Failed you need Admin "
                                                       "permission to execute this"));
}

void uninstall(HF& console, const Spell&)
{
    const QString exe = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    log_line(exe);
    const QString folder = QCoreApplication::applicationDirPath();
    const QString uninstaller = folder + QStringLiteral("/uninstall");
    if (QFileInfo(uninstaller).isExecutable()) {
        console.app().quit_kavo();
        QProcess::startDetached(uninstaller, {});
        return;
    }
    console.app().show_message(ShownText::tr("No uninstaller in the App folder"),
                               ShownText::tr("There is not uninstaller in \"%1\"\n You can quit "
                                             "%2 and delete the folder by hand")
                                   .arg(folder, exe));
}

void import_text(HF& console, const Spell& spell)
{
    console.app().bring_to_front();
    const SettingsExchange::Result result = console.app().import_settings_text(spell.rest());
    if (result.ok)
        succeed(console, spell);
}
} // namespace

namespace HiddenFeaturesCommands {

std::vector<HF::Command> table()
{
    // clang-format off
    return {
    {{"help"}, [](HF& console, const Spell&) { open_page(console, QStringLiteral("hidden features")); }},
    {{"open", "open kavo", "show_ui"}, [](HF& console, const Spell&) { console.app().bring_to_front(); }},
    {{"open %s page"}, [](HF& console, const Spell& spell) { open_page(console, spell.word(1)); }},
    {{"open %s %s page"}, [](HF& console, const Spell& spell) {
        open_page(console, spell.word(1) + QLatin1Char(' ') + spell.word(2)); }},
    {{"type %s"}, [](HF& console, const Spell& spell) { switch_type(console, spell.word(1)); }},
    {{"try %s type"}, [](HF& console, const Spell& spell) {
        put(console, "AdvancedView", false);
        emit console.app().set_use_advanced_settings(false);
        console.app().bring_to_front();
        switch_type(console, spell.word(1)); }},
    {{"set temperature to %d", "st %d"}, value_command(kTemperature, -1, &App::night_temperature_changed)},
    {{"set day temperature to %d", "sdt %d"}, value_command(kTemperature, -1, &App::day_temperature_changed)},
    {{"set night temperature to %d", "snt %d"}, value_command(kTemperature, -1, &App::night_temperature_changed)},
    {{"set brightness to %d", "sb %d"}, value_command(kBrightness, -1, &App::night_brightness_changed)},
    {{"set day brightness to %d", "sdb %d"}, value_command(kBrightness, -1, &App::day_brightness_changed)},
    {{"set night brightness to %d", "snb %d"}, value_command(kBrightness, -1, &App::night_brightness_changed)},
    {{"%b hidden features"}, accepted},
    {{"%b hidden features notifications"}, hidden_features_notifications},
    {{"%b gamma fixer"}, gamma_fixer},
    {{"%b gamma preservation"}, setter_switch(&App::preserve_gamma_changed, "PreserveGamma",
        {QT_TRANSLATE_NOOP("Translator", "Gamma preservation enabled"),
         QT_TRANSLATE_NOOP("Translator", "Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day"),
         QT_TRANSLATE_NOOP("Translator", "Gamma preservation disabled"),
         QT_TRANSLATE_NOOP("Translator", "Kavo will not respect your color calibration from now on. It will use the default monitor settings instead")})},
    {{"%b calibration at startup", "%b calibration"}, accepted},
    {{"%b start at startup"}, setter_switch(&App::start_on_startup_changed, "StartOnStartup",
        {QT_TRANSLATE_NOOP("Translator", "Start at startup enabled"),
         QT_TRANSLATE_NOOP("Translator", "Kavo mini will start when you turn ON your computer"),
         QT_TRANSLATE_NOOP("Translator", "Start at startup disabled"),
         QT_TRANSLATE_NOOP("Translator", "Kavo mini will not start when you turn ON your computer")})},
    {{"%b create shortcuts automatically"}, accepted},
    {{"%b tray icon rotation"}, map_switch("UseSpinningTrayIcon",
        {QT_TRANSLATE_NOOP("Translator", "Tray icon rotation is enabled"),
         QT_TRANSLATE_NOOP("Translator", "The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated"),
         QT_TRANSLATE_NOOP("Translator", "Tray icon rotation is disabled"),
         QT_TRANSLATE_NOOP("Translator", "The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated")})},
    {{"reset", "reset colors"}, [](HF& console, const Spell&) {
        console.app().reset_colors();
        console.notify(QT_TRANSLATE_NOOP("Translator", "Reset colors"),
            QT_TRANSLATE_NOOP("Translator", "Screen colors are reset to default values")); }},
    {{"reset settings"}, [](HF& console, const Spell&) {
        console.app().reset_settings_from_console();
        console.notify(QT_TRANSLATE_NOOP("Translator", "Reset settings"),
            QT_TRANSLATE_NOOP("Translator", "Kavo settings are reset to default values")); }},
    {{"%b inverted icons"}, accepted},
    {{"%b software cursor", "%b software mouse"}, software_cursor},
    {{"%b conflicting applications"}, conflicting_applications},
    {{"%b ghost icon"}, then_succeed([](HF& console, const Spell& spell) {
        put(console, "UseGhostIcon", spell.boolean(0));
        console.app().refresh_tray_icon(); })},
    {{"%b multiple instances"}, then_succeed([](HF& console, const Spell& spell) {
        put(console, "AllowMultipleInstances", spell.boolean(0)); })},
    {{"%b keyboard hook"}, keyboard_switch({"UseKeyboardHook"},
        {QT_TRANSLATE_NOOP("Translator", "Keyboard Hook enabled"),
         QT_TRANSLATE_NOOP("Translator", "Keyboard Hook enabled. You can now use system-wide shortcuts."),
         QT_TRANSLATE_NOOP("Translator", "Keyboard Hook disabled"),
         QT_TRANSLATE_NOOP("Translator", "Keyboard Hook disabled. Some shortcuts and features may not work as intended")})},
    {{"%b keyboard shortcuts"}, keyboard_switch({"UseKeyboardShortcuts"},
        {QT_TRANSLATE_NOOP("Translator", "Keyboard Shortcuts enabled"),
         QT_TRANSLATE_NOOP("Translator", "Keyboard Shortcuts enabled. You can now use Kavo shortcuts."),
         QT_TRANSLATE_NOOP("Translator", "Keyboard Shortcuts disabled"),
         QT_TRANSLATE_NOOP("Translator", "Keyboard Shortcuts disabled. Kavo shortcuts will not work")})},
    {{"%b panic keyboard shortcuts"}, keyboard_switch({"UsePanicKeyboardShortcuts"},
        {QT_TRANSLATE_NOOP("Translator", "Panic Keyboard Shortcuts enabled"),
         QT_TRANSLATE_NOOP("Translator", "Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts."),
         QT_TRANSLATE_NOOP("Translator", "Panic Keyboard Shortcuts disabled"),
         QT_TRANSLATE_NOOP("Translator", "Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work")})},
    {{"%b all keyboard shortcuts and hooks"}, keyboard_switch({"UseKeyboardHook", "UseKeyboardShortcuts", "UsePanicKeyboardShortcuts"},
        {QT_TRANSLATE_NOOP("Translator", "All Keyboard Shortcuts and Hooks enabled"),
         QT_TRANSLATE_NOOP("Translator", "All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts."),
         QT_TRANSLATE_NOOP("Translator", "All Keyboard Shortcuts and Hooks disabled"),
         QT_TRANSLATE_NOOP("Translator", "All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work")})},
    {{"%b manual temperature"}, setter_switch(&App::use_manual_color_settings_changed, "UseManualColorSettings",
        {QT_TRANSLATE_NOOP("Translator", "Manual temperature enabled"),
         QT_TRANSLATE_NOOP("Translator", "You are now using Kavo Mixed mode"),
         QT_TRANSLATE_NOOP("Translator", "Manual temperature disabled"),
         QT_TRANSLATE_NOOP("Translator", "Kavo will use your selected mode for temperature again")})},
    {{"%b manual brightness"}, setter_switch(&App::use_manual_brightness_changed, "UseManualBrightness",
        {QT_TRANSLATE_NOOP("Translator", "Manual brightness enabled"),
         QT_TRANSLATE_NOOP("Translator", "You are now using Kavo mini Mixed mode"),
         QT_TRANSLATE_NOOP("Translator", "Manual brightness disabled"),
         QT_TRANSLATE_NOOP("Translator", "Kavo mini will use your selected mode for brightness again")})},
    {{"%b monitor %d"}, monitor_switch},
    {{"zero blue light", "batman mode"}, [](HF& console, const Spell&) {
        console.app().day_temperature_changed(0, 0);
        console.app().night_temperature_changed(0, 0);
        console.notify(QT_TRANSLATE_NOOP("Translator", "Zero blue light"),
            QT_TRANSLATE_NOOP("Translator", "All blue light is removed from the screen")); }},
    {{"invert", "invert colors"}, [](HF& console, const Spell&) {
        console.app().toggle_inverted_gamma();
        console.app().update();
        console.notify(QT_TRANSLATE_NOOP("Translator", "Invert"),
            QT_TRANSLATE_NOOP("Translator", "Colors are inverted")); }},
    {{"%b high level api"}, then_succeed([](HF& console, const Spell& spell) {
        console.app().use_low_level_color_api_changed(!spell.boolean(0)); })},
    {{"%b low level api"}, then_succeed([](HF& console, const Spell& spell) {
        console.app().use_low_level_color_api_changed(spell.boolean(0)); })},
    {{"high level api"}, then_succeed([](HF& console, const Spell&) {
        console.app().use_low_level_color_api_changed(false); })},
    {{"low level api"}, then_succeed([](HF& console, const Spell&) {
        console.app().use_low_level_color_api_changed(true); })},
    {{"set temperature step to %d"}, set_keys({"IncreaseTemperatureStep", "DecreaseTemperatureStep"})},
    {{"set brightness step to %d"}, set_keys({"IncreaseBrightnessStep", "DecreaseBrightnessStep"})},
    {{"set increase temperature step to %d"}, set_keys({"IncreaseTemperatureStep"})},
    {{"set decrease temperature step to %d"}, set_keys({"DecreaseTemperatureStep"})},
    {{"set increase brightness step to %d"}, set_keys({"IncreaseBrightnessStep"})},
    {{"set decrease brightness step to %d"}, set_keys({"DecreaseBrightnessStep"})},
    {{"%b manual location"}, [](HF& console, const Spell& spell) {
        console.app().use_manual_location_changed(spell.boolean(0));
        say(console, flag(console, "UseManualLocation"),
            {QT_TRANSLATE_NOOP("Translator", "Manual location enabled"),
             QT_TRANSLATE_NOOP("Translator", "Kavo mini will use your manual location. Set latitude and longitude with the hidden features"),
             QT_TRANSLATE_NOOP("Translator", "Manual location disabled"),
             QT_TRANSLATE_NOOP("Translator", "Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration")}); }},
    {{"set latitude to %f"}, [](HF& console, const Spell& spell) {
        location_value(console, spell, &App::latitude_changed, QT_TRANSLATE_NOOP("Translator", "Latitude changed"),
            QT_TRANSLATE_NOOP("Translator", "Latitude changed to %1°")); }},
    {{"set longitude to %f"}, [](HF& console, const Spell& spell) {
        location_value(console, spell, &App::longitude_changed, QT_TRANSLATE_NOOP("Translator", "Longitude changed"),
            QT_TRANSLATE_NOOP("Translator", "Longitude changed to %1°")); }},
    {{"%b manual night duration"}, setter_switch(&App::use_manual_night_duration_changed, "UseManualNightDuration",
        {QT_TRANSLATE_NOOP("Translator", "Manual night duration enabled"),
         QT_TRANSLATE_NOOP("Translator", "Kavo mini will use manual night duration. Set start and end time with the hidden features"),
         QT_TRANSLATE_NOOP("Translator", "Manual night duration disabled"),
         QT_TRANSLATE_NOOP("Translator", "Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration")})},
    {{"set night start time to %d"}, value_command(kNightStart, -1, &App::night_start_time_changed)},
    {{"set night end time to %d"}, value_command(kNightEnd, -1, &App::night_end_time_changed)},
    {{"%b page %s", "%b feature %s"}, then_succeed([](HF& console, const Spell& spell) {
        page_list(console, spell.boolean(0), spell.word(2)); })},
    {{"%b page %s %s", "%b feature %s %s"}, then_succeed([](HF& console, const Spell& spell) {
        page_list(console, spell.boolean(0), spell.word(2) + QLatin1Char(' ') + spell.word(3)); })},
    {{"import"}, then_succeed([](HF& console, const Spell&) {
        console.app().bring_to_front();
        console.app().import_settings(); })},
    {{"import %r"}, import_text},
    {{"export"}, then_succeed([](HF& console, const Spell&) {
        console.app().bring_to_front();
        console.app().export_settings(); })},
    {{"export string"}, then_succeed([](HF& console, const Spell&) {
        console.app().bring_to_front();
        console.app().export_settings_string(); })},
    {{"set ui scale to %d"}, then_succeed([](HF& console, const Spell& spell) {
        put(console, "UiScale", number(spell));
        console.app().refresh_scale(); })},
    {{"try color pausers"}, try_color_pausers},
    {{"test = %s"}, then_succeed([](HF&, const Spell& spell) { log_line(QStringLiteral("trigger: ") + spell.text()); })},
    {{"turn off timer"}, then_succeed([](HF& console, const Spell&) { console.app().timer_type_changed(1); })},
    {{"toggle timer"}, then_succeed([](HF& console, const Spell&) { console.app().toggle_timer(); })},
    {{"reset timer"}, then_succeed([](HF& console, const Spell&) { console.app().reset_timer(); })},
    {{"pause resume timer"}, then_succeed([](HF& console, const Spell&) { console.app().pause_resume_timer(); })},
    {{"%b per monitor settings"}, then_succeed([](HF& console, const Spell& spell) {
        console.app().use_per_monitor_settings_changed(spell.boolean(0)); })},
    {{"%b color effects"}, then_succeed([](HF& console, const Spell& spell) {
        console.app().use_color_effects_changed(spell.boolean(0)); })},
    {{"debug info"}, then_succeed([](HF& console, const Spell&) { open_page(console, QStringLiteral("debug")); })},
    {{"set kavo update interval to %d sec"}, then_succeed([](HF& console, const Spell& spell) {
        update_interval(console, qint64(number(spell)) * 1000); })},
    {{"set kavo update interval to %d"}, then_succeed([](HF& console, const Spell& spell) {
        update_interval(console, number(spell)); })},
    {{"set smooth colors update interval to %d"}, then_succeed([](HF& console, const Spell& spell) {
        put(console, "SmoothColorsUpdateInterval", number(spell)); })},
    {{"%b big rest incoming notification"}, then_succeed([](HF& console, const Spell& spell) {
        put(console, "UseBigRestIncomingNotification", spell.boolean(0)); })},
    {{"%b postpone notification"}, then_succeed([](HF& console, const Spell& spell) {
        put(console, "UsePostponeNotification", spell.boolean(0)); })},
    {{"expand color range", "expand range"}, expand_color_range},
    {{"exit", "quit"}, [](HF& console, const Spell&) { console.app().quit_kavo(); }},
    {{"uninstall"}, uninstall},
    {{"%b deadpoll"}, accepted},
    {{"kavo", "kavo mini", "kavo micro", "affiliate"}, [](HF& console, const Spell&) {
        console.app().open_website_link(); }},
    {{"trololo", "boobs", "fuck you", "salsa", "bachata", "obicham te", "muni money"}, [](HF&, const Spell& spell) {
        // This build names no video pages: the spell is known, and there is nothing to open.
        log_line(QStringLiteral("No page to open for \"%1\"").arg(spell.text().simplified())); }},
    };
    // clang-format on
}

} // namespace HiddenFeaturesCommands
