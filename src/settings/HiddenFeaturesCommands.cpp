// The hidden-features console's command table and its actions, in matching order.
#include "settings/HiddenFeaturesCommands.h"

#include "App.h"
#include "KavoLog.h"
#include "color/Cyclops.h"
#include "platform/Platform.h"
#include "system/ITaskManager.h"
#include "settings/SaveManager.h"
#include "settings/SettingsExchange.h"
#include "settings/SpellParser.h"

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

// The enabled and the disabled message of a switch command.
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
        console.notify(QLatin1String(messages.on_title), QLatin1String(messages.on_body));
    else
        console.notify(QLatin1String(messages.off_title), QLatin1String(messages.off_body));
}

// A value command's range and texts.
struct ValueRange
{
    int minimum;
    int maximum;
    const char* log_label;
    const char* invalid_title;
    const char* invalid_body;
    const char* title;
    const char* body;
    const char* unit;
    bool hour_of_day = false; // 24 is midnight
};

const ValueRange kTemperature{
    0,
    10000,
    "Invalid value for temperature:",
    "Invalid temperature",
    "is invalid value for Color temperature. Use number between 0 and 10000.",
    "Temperature changed",
    "Color temperature changed to",
    "K"};
const ValueRange kBrightness{10,
                             100,
                             "Invalid value for brightness:",
                             "Invalid brightness",
                             "is invalid value for Brightness. Use number between 10 and 100.",
                             "Brightness changed",
                             "Brightness changed to",
                             "%"};
const ValueRange kNightStart{0,
                             24,
                             "Invalid value for night start time:",
                             "Invalid Night start time",
                             "is invalid value for Night start time. Use number between 0 and 24.",
                             "Night start time changed",
                             "Manual night start time changed to",
                             "h",
                             true};
const ValueRange kNightEnd{0,
                           24,
                           "Invalid value for night end time:",
                           "Invalid Night end time",
                           "is invalid value for Night end time. Use number between 0 and 24.",
                           "Night end time changed",
                           "Manual night end time changed to",
                           "h",
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
            qDebug() << range.log_label << value;
            console.notify(QLatin1String(range.invalid_title),
                           text + QLatin1Char(' ') +
                               console.app().GET_STRING(QLatin1String(range.invalid_body)));
            return;
        }
        // The hour 24 is midnight, the start of the day.
        const int applied = range.hour_of_day && value == 24 ? 0 : value;
        (console.app().*apply)(applied, 0);
        console.notify(QLatin1String(range.title),
                       console.app().GET_STRING(QLatin1String(range.body)) + QLatin1Char(' ') +
                           text + QLatin1String(range.unit));
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
    console.notify(console.app().GET_STRING(QStringLiteral("Kavo is switching to ")) + word +
                       QLatin1Char(' ') + console.app().GET_STRING(QStringLiteral("type")),
                   QStringLiteral("You will see the difference in your screen after a moment :)"));
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
        {"Notifications enabled",
         "Hidden features notifications are enabled. They are show so you will know when your "
         "spell is successful",
         "Notifications disabled",
         "Hidden features notifications are disabled. This is the last notification that you "
         "will see"});
    put(console, "UseHiddenFeaturesNotifications", on);
}

void gamma_fixer(HF& console, const Spell& spell)
{
    put(console, "UseGammaFixer", spell.boolean(0));
    if (SaveManager* save_manager = SaveManager::instance())
        save_manager->save_settings();
    say(console, spell.boolean(0),
        {"Gamma fixer enabled",
         "Gamma fixer is enabled. If notice slight color changing every second disable the "
         "Gamma fixer again. Gamma fixer is used, because Windows decides to ignore Kavo mini "
         "changes from time to time.",
         "Gamma fixer disabled",
         "Gamma fixer is disabled. If your screen suddenly becomes bright enable it again or "
         "click the Kavo mini icon several times. Both should force Kavo to change the screen "
         "colors."});
}

void software_cursor(HF& console, const Spell& spell)
{
    if (spell.boolean(0))
        console.notify(QStringLiteral("Software cursor enabled"),
                       QStringLiteral("Color changes will apply also on the cursor. If it starts "
                                      "to dissappear use disable software cursor to make it "
                                      "bright again."));
    else
        console.notify(QStringLiteral("Hardware cursor enabled"),
                       QStringLiteral("Color changes will not apply on the cursor. If you don't "
                                      "like the bright blue cursor at night use enable software "
                                      "cursor to make apply color changes on the cursor."));
    console.app().use_software_cursor_changed(spell.boolean(0));
}

void conflicting_applications(HF& console, const Spell& spell)
{
    put(console, "EnableConflictingApplications", spell.boolean(0));
    if (ITaskManager* monitor = console.app().task_manager())
        monitor->set_conflicting_applications_enabled(spell.boolean(0));
    say(console, spell.boolean(0),
        {"Conflicting applications enabled",
         "Conflicting applications are enabled. You can now use other softwares which change "
         "the screen colors.",
         "Conflicting applications disabled",
         "Conflicting applications are disabled. In order to not cause flicker conflicting "
         "applications are disabled."});
}

void monitor_switch(HF& console, const Spell& spell)
{
    const int monitor = number(spell);
    console.app().ignore_monitor_changed(monitor, !spell.boolean(0));
    const QString name = console.app().GET_STRING(QStringLiteral("Monitor")) + QLatin1Char(' ') +
                         QString::number(monitor);
    if (console.app().ignored_monitors().contains(monitor))
        console.notify(
            name + QLatin1Char(' ') + console.app().GET_STRING(QStringLiteral("disabled")),
            console.app().GET_STRING(QStringLiteral("Kavo will not apply color changes to")) +
                QLatin1Char(' ') + name);
    else
        console.notify(
            name + QLatin1Char(' ') + console.app().GET_STRING(QStringLiteral("enabled")),
            console.app().GET_STRING(QStringLiteral("Kavo will apply color changes to")) +
                QLatin1Char(' ') + name);
}

void location_value(HF& console, const Spell& spell, void (App::*setter)(double),
                    const char* title, const char* body)
{
    const double value = spell.real(3);
    (console.app().*setter)(value);
    console.notify(QLatin1String(title), console.app().GET_STRING(QLatin1String(body)) +
                                             QLatin1Char(' ') + QString::number(value) +
                                             QStringLiteral("°"));
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
        console.notify(QStringLiteral("Color range is already expanded"),
                       QStringLiteral("Color range is already expanded. If you have problems with "
                                      "lower values try to Restart your PC. If the problem "
                                      "persist write to us with info about your PC to test and "
                                      "fix this."));
        return;
    }
    if (cyclops.expand_gamma_range() && cyclops.is_gamma_range_expanded())
        succeed(console, spell);
    else
        console.notify(QStringLiteral("Expand color range Failed"),
                       QStringLiteral("Expand color range Failed you need Admin permission to "
                                      "execute this"));
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
    console.app().show_message(QStringLiteral("No uninstaller in the App folder"),
                               QStringLiteral("There is not uninstaller in \"") + folder +
                                   QStringLiteral("\"\n You can quit ") + exe +
                                   QStringLiteral(" and delete the folder by hand"));
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
        {"Gamma preservation enabled", "Kavo will respect your color calibration from now on. Close and start Kavo mini again and it will preserve your colors during the day",
         "Gamma preservation disabled", "Kavo will not respect your color calibration from now on. It will use the default monitor settings instead"})},
    {{"%b calibration at startup", "%b calibration"}, accepted},
    {{"%b start at startup"}, setter_switch(&App::start_on_startup_changed, "StartOnStartup",
        {"Start at startup enabled", "Kavo mini will start when you turn ON your computer",
         "Start at startup disabled", "Kavo mini will not start when you turn ON your computer"})},
    {{"%b create shortcuts automatically"}, accepted},
    {{"%b tray icon rotation"}, map_switch("UseSpinningTrayIcon",
        {"Tray icon rotation is enabled", "The tray icon will rotate when Kavo is changing screen colors. This is used to show when Kavo mini is changing colors and your screen is not calibrated",
         "Tray icon rotation is disabled", "The tray icon will not rotate when Kavo is changing screen colors. This feature is used to show when Kavo mini is changing colors and your screen is not calibrated"})},
    {{"reset", "reset colors"}, [](HF& console, const Spell&) {
        console.app().reset_colors();
        console.notify(QStringLiteral("Reset colors"), QStringLiteral("Screen colors are reset to default values")); }},
    {{"reset settings"}, [](HF& console, const Spell&) {
        console.app().reset_settings_from_console();
        console.notify(QStringLiteral("Reset settings"), QStringLiteral("Kavo settings are reset to default values")); }},
    {{"%b inverted icons"}, accepted},
    {{"%b software cursor", "%b software mouse"}, software_cursor},
    {{"%b conflicting applications"}, conflicting_applications},
    {{"%b ghost icon"}, then_succeed([](HF& console, const Spell& spell) {
        put(console, "UseGhostIcon", spell.boolean(0));
        console.app().refresh_tray_icon(); })},
    {{"%b multiple instances"}, then_succeed([](HF& console, const Spell& spell) {
        put(console, "AllowMultipleInstances", spell.boolean(0)); })},
    {{"%b keyboard hook"}, keyboard_switch({"UseKeyboardHook"},
        {"Keyboard Hook enabled", "Keyboard Hook enabled. You can now use system-wide shortcuts.",
         "Keyboard Hook disabled", "Keyboard Hook disabled. Some shortcuts and features may not work as intended"})},
    {{"%b keyboard shortcuts"}, keyboard_switch({"UseKeyboardShortcuts"},
        {"Keyboard Shortcuts enabled", "Keyboard Shortcuts enabled. You can now use Kavo shortcuts.",
         "Keyboard Shortcuts disabled", "Keyboard Shortcuts disabled. Kavo shortcuts will not work"})},
    {{"%b panic keyboard shortcuts"}, keyboard_switch({"UsePanicKeyboardShortcuts"},
        {"Panic Keyboard Shortcuts enabled", "Panic Keyboard Shortcuts enabled. You can now use Kavo panic shortcuts.",
         "Panic Keyboard Shortcuts disabled", "Panic Keyboard Shortcuts disabled. Kavo panic shortcuts will not work"})},
    {{"%b all keyboard shortcuts and hooks"}, keyboard_switch({"UseKeyboardHook", "UseKeyboardShortcuts", "UsePanicKeyboardShortcuts"},
        {"All Keyboard Shortcuts and Hooks enabled", "All Keyboard Shortcuts and Hooks enabled. You can now use system-wide, Kavo and panic shortcuts.",
         "All Keyboard Shortcuts and Hooks disabled", "All Keyboard Shortcuts and Hooks disabled. System-wide, Kavo and panic shortcuts will not work"})},
    {{"%b manual temperature"}, setter_switch(&App::use_manual_color_settings_changed, "UseManualColorSettings",
        {"Manual temperature enabled", "You are now using Kavo Mixed mode",
         "Manual temperature disabled", "Kavo will use your selected mode for temperature again"})},
    {{"%b manual brightness"}, setter_switch(&App::use_manual_brightness_changed, "UseManualBrightness",
        {"Manual brightness enabled", "You are now using Kavo mini Mixed mode",
         "Manual brightness disabled", "Kavo mini will use your selected mode for brightness again"})},
    {{"%b monitor %d"}, monitor_switch},
    {{"zero blue light", "batman mode"}, [](HF& console, const Spell&) {
        console.app().day_temperature_changed(0, 0);
        console.app().night_temperature_changed(0, 0);
        console.notify(QStringLiteral("Zero blue light"), QStringLiteral("All blue light is removed from the screen")); }},
    {{"invert", "invert colors"}, [](HF& console, const Spell&) {
        console.app().toggle_inverted_gamma();
        console.app().update();
        console.notify(QStringLiteral("Invert"), QStringLiteral("Colors are inverted")); }},
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
            {"Manual location enabled", "Kavo mini will use your manual location. Set latitude and longitude with the hidden features",
             "Manual location disabled", "Kavo mini will use automatic location. The location is used for calculating Sun position and day and night duration"}); }},
    {{"set latitude to %f"}, [](HF& console, const Spell& spell) {
        location_value(console, spell, &App::latitude_changed, "Latitude changed", "Latitude changed to"); }},
    {{"set longitude to %f"}, [](HF& console, const Spell& spell) {
        location_value(console, spell, &App::longitude_changed, "Longitude changed", "Longitude changed to"); }},
    {{"%b manual night duration"}, setter_switch(&App::use_manual_night_duration_changed, "UseManualNightDuration",
        {"Manual night duration enabled", "Kavo mini will use manual night duration. Set start and end time with the hidden features",
         "Manual night duration disabled", "Kavo mini will use automatic night duration based on location. The location is used for calculating Sun position and day and night duration"})},
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
    {{"debug info"}, succeed},
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
