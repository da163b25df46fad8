#include "system/HotkeyProcessor.h"

#include "App.h"
#include "RemoteCommand.h"
#include "platform/Platform.h"
#include "platform/QHotkey.h"
#include "platform/VirtualKeys.h"
#include "settings/SaveManager.h"
#include "system/ColorStep.h"

#include <QKeySequence>
#include <QTimer>

#include <cstdio>

namespace {
struct Shortcut
{
    const char* key;
    const char* name;
};

// Feature index i is entry i - 1.
const Shortcut kShortcuts[HotkeyProcessor::kShortcutCount] = {
    {"IncreaseTemperatureHotkey", "Increase temperature"},
    {"DecreaseTemperatureHotkey", "Decrease temperature"},
    {"IncreaseBrightnessHotkey", "Increase brightness"},
    {"DecreaseBrightnessHotkey", "Decrease brightness"},
    {"StartOverlayScreenHotkey", "Start screen overlay"},
    {"EndOverlayScreenHotkey", "End screen overlay"},
    {"UseColorEffectsHotkey", "Screen effects on or off"},
    {"PauseResumeKavoHotkey", "Pause or resume Kavo"},
    {"ManualAutomaticToggleHotkey", "Manual or automatic"},
    {"StartRestHotkey", "Start a break"},
    {"PauseResumeTimerHotkey", "Pause or resume the timer"},
    {"QuitKavoHotkey", "Quit Kavo"},
    {"ZoomInHotkey", "Zoom in"},
    {"ZoomOutHotkey", "Zoom out"},
};

enum Feature
{
    kIncreaseTemperature = 1,
    kDecreaseTemperature,
    kIncreaseBrightness,
    kDecreaseBrightness,
    kStartOverlay,
    kEndOverlay,
    kColorEffects,
    kPauseResume,
    kManualAutomatic,
    kStartRest,
    kPauseResumeTimer,
    kQuit,
    kZoomIn,
    kZoomOut,
};

// The settings that decide the colour on the screen, with the Custom copies that opening the
// advanced view puts back.
const char* const kShownColors[][2] = {
    {"DayTemperature", "AdvancedDayTemperature"},
    {"NightTemperature", "AdvancedNightTemperature"},
    {"SleepLight", "AdvancedSleepLight"},
    {"DayBrightness", "AdvancedDayBrightness"},
    {"NightBrightness", "AdvancedNightBrightness"},
    {"SleepBrightness", "AdvancedSleepBrightness"},
    {"UseManualColorSettings", "AdvancedUseManualColorSettings"},
    {"UseManualBrightness", "AdvancedUseManualBrightness"},
    {"UseSleepLight", "AdvancedUseSleepLight"},
};

const char* const kPanicShortcuts[] = {"Ctrl+Alt+Shift+F10", "Ctrl+Alt+Shift+F11",
                                       "Ctrl+Alt+Shift+F12"};

// The longest a recording on the shortcuts page keeps the shortcuts off.
constexpr int kLongestSuspension = 60000;

SaveManager* save_manager()
{
    return SaveManager::instance();
}

QKeySequence sequence_of(const QString& text)
{
    return QKeySequence::fromString(text, QKeySequence::PortableText);
}
} // namespace

HotkeyProcessor::HotkeyProcessor(App& app)
    : QObject(&app), m_app(app), m_suspension_end(new QTimer(this))
{
    for (int index = 1; index <= kShortcutCount; ++index) {
        m_hotkeys[index] = new QHotkey(this);
        connect(m_hotkeys[index], &QHotkey::activated, this, [this, index] { run(index); });
    }
    for (int panic = 0; panic < 3; ++panic) {
        m_panic[panic] =
            new QHotkey(sequence_of(QLatin1String(kPanicShortcuts[panic])), false, this);
        connect(m_panic[panic], &QHotkey::activated, this, [this, panic] { run_panic(panic); });
    }
    m_suspension_end->setSingleShot(true);
    m_suspension_end->setInterval(kLongestSuspension);
    connect(m_suspension_end, &QTimer::timeout, this, [this] { suspend(false); });
}

HotkeyProcessor::~HotkeyProcessor()
{
    for (QHotkey* hotkey : m_hotkeys) {
        if (hotkey)
            hotkey->setRegistered(false);
    }
    for (QHotkey* hotkey : m_panic)
        hotkey->setRegistered(false);
}

QString HotkeyProcessor::shortcut_key(int feature_index)
{
    if (feature_index < 1 || feature_index > kShortcutCount)
        return {};
    return QLatin1String(kShortcuts[feature_index - 1].key);
}

QString HotkeyProcessor::feature_name(int feature_index)
{
    if (feature_index < 1 || feature_index > kShortcutCount)
        return {};
    return QLatin1String(kShortcuts[feature_index - 1].name);
}

int HotkeyProcessor::setting(const char* key) const
{
    return m_app.settings_map().value(QLatin1String(key)).toInt();
}

bool HotkeyProcessor::can_zoom() const
{
    return Platform::current().has(Capability::Magnifier);
}

// The zoom shortcuts would take their keys from other programs for nothing where the desktop
// cannot zoom.
bool HotkeyProcessor::wanted(int feature_index) const
{
    if (feature_index == kZoomIn || feature_index == kZoomOut)
        return m_enabled && can_zoom();
    return m_enabled;
}

void HotkeyProcessor::register_shortcuts()
{
    for (int index = 1; index <= kShortcutCount; ++index) {
        const QString text = m_app.settings_map().value(shortcut_key(index)).toString();
        m_hotkeys[index]->setShortcut(sequence_of(text), false);
    }
    set_enabled(m_enabled, true);
}

void HotkeyProcessor::set_enabled(bool enabled, bool force)
{
    m_panic_enabled =
        m_app.settings_map().value(QStringLiteral("UsePanicKeyboardShortcuts")).toBool();
    const bool changed = enabled != m_enabled || force;
    m_enabled = enabled;
    if (!m_suspended)
        apply_registration();
    if (changed)
        emit registration_changed();
}

void HotkeyProcessor::apply_registration()
{
    for (QHotkey* panic : m_panic)
        panic->setRegistered(m_panic_enabled && !m_suspended);
    for (int index = 1; index <= kShortcutCount; ++index)
        m_hotkeys[index]->setRegistered(wanted(index) && !m_suspended);
}

void HotkeyProcessor::suspend(bool suspended)
{
    if (suspended == m_suspended)
        return;
    m_suspended = suspended;
    if (suspended)
        m_suspension_end->start();
    else
        m_suspension_end->stop();
    apply_registration();
    emit registration_changed();
}

void HotkeyProcessor::change_shortcut(int feature_index, const QString& text)
{
    const QString key = shortcut_key(feature_index);
    std::printf("%s\n%s\n", qUtf8Printable(key), qUtf8Printable(text));
    std::fflush(stdout);
    if (!key.isEmpty())
        m_app.settings_map().insert(key, text);
    m_suspended = false;
    m_suspension_end->stop();
    register_shortcuts();
}

QVariantList HotkeyProcessor::shortcut_texts() const
{
    QVariantList texts{QString()};
    for (int index = 1; index <= kShortcutCount; ++index)
        texts.append(m_app.settings_map().value(shortcut_key(index)).toString());
    return texts;
}

QStringList HotkeyProcessor::registration_problems() const
{
    QStringList problems;
    if (m_suspended)
        return problems;
    const auto check = [&problems](const QHotkey* hotkey, bool wanted, const QString& name) {
        if (wanted && !hotkey->shortcut().isEmpty() && !hotkey->isRegistered())
            problems.append(hotkey->shortcut().toString(QKeySequence::NativeText) +
                            QStringLiteral(" (") + name + QStringLiteral("): ") + hotkey->error());
    };
    for (int index = 1; index <= kShortcutCount; ++index) {
        const QHotkey* hotkey = m_hotkeys[index];
        QString name = feature_name(index);
        // Where the desktop keeps keys to itself, its own configuration can run kavoctl.
        if (hotkey->isNotOffered())
            name += QStringLiteral("; in sway's configuration: ") +
                    sway_binding(index, hotkey->shortcut());
        check(hotkey, wanted(index), name);
    }
    for (const QHotkey* panic : m_panic)
        check(panic, m_panic_enabled, QStringLiteral("panic shortcut"));
    return problems;
}

QString HotkeyProcessor::sway_binding(int feature_index, const QKeySequence& keys)
{
    if (keys.count() != 1)
        return {};
    const int combination = keys[0];
    QStringList parts;
    const std::pair<Qt::KeyboardModifier, const char*> modifiers[] = {{Qt::ControlModifier, "Ctrl"},
                                                                      {Qt::AltModifier, "Alt"},
                                                                      {Qt::ShiftModifier, "Shift"},
                                                                      {Qt::MetaModifier, "Mod4"}};
    for (const auto& [modifier, name] : modifiers)
        if (combination & modifier)
            parts << QLatin1String(name);
    const int key = combination & ~Qt::KeyboardModifierMask;
    // XKB names letters in small type; sway takes the others by their usual names.
    parts << (key >= Qt::Key_A && key <= Qt::Key_Z
                  ? QString(QChar(char('a' + (key - Qt::Key_A))))
                  : QKeySequence(key).toString(QKeySequence::PortableText));
    return QStringLiteral("bindsym %1 exec kavoctl shortcut %2")
        .arg(parts.join(QLatin1Char('+')), RemoteCommand::shortcut_name(feature_index));
}

QStringList HotkeyProcessor::registered_shortcuts() const
{
    QStringList registered;
    for (int index = 1; index <= kShortcutCount; ++index) {
        if (m_hotkeys[index]->isRegistered())
            registered.append(m_hotkeys[index]->shortcut().toString(QKeySequence::PortableText));
    }
    for (const QHotkey* panic : m_panic) {
        if (panic->isRegistered())
            registered.append(panic->shortcut().toString(QKeySequence::PortableText));
    }
    return registered;
}

void HotkeyProcessor::zoom_keys(DWORD key)
{
    const Qt::KeyboardModifiers held = Platform::current().input().heldModifiers();
    if (!can_zoom() || !held.testFlag(Qt::ControlModifier) || !held.testFlag(Qt::AltModifier))
        return;
    if (key == VirtualKeys::kAdd)
        m_app.zoom_in();
    else if (key == VirtualKeys::kSubtract)
        m_app.zoom_out();
}

// ---- Actions ----

void HotkeyProcessor::run(int feature_index)
{
    switch (feature_index) {
    case kIncreaseTemperature:
        change_temperature(qAbs(setting("IncreaseTemperatureStep")));
        break;
    case kDecreaseTemperature:
        change_temperature(-qAbs(setting("DecreaseTemperatureStep")));
        break;
    case kIncreaseBrightness:
        change_brightness(qAbs(setting("IncreaseBrightnessStep")));
        break;
    case kDecreaseBrightness:
        change_brightness(-qAbs(setting("DecreaseBrightnessStep")));
        break;
    case kStartOverlay:
        start_overlay_screen();
        break;
    case kEndOverlay:
        m_app.use_overlay_screen_changed(false);
        break;
    case kColorEffects:
        toggle_color_effects();
        break;
    case kPauseResume:
        m_app.pause_kavo(!setting("KavoPaused"));
        break;
    case kManualAutomatic:
        toggle_manual_automatic();
        break;
    case kStartRest:
        m_app.start_rest();
        break;
    case kPauseResumeTimer:
        toggle_timer_pause();
        break;
    case kQuit:
        m_app.quit_kavo();
        break;
    case kZoomIn:
        if (can_zoom())
            m_app.zoom_in();
        break;
    case kZoomOut:
        if (can_zoom())
            m_app.zoom_out();
        break;
    default:
        break;
    }
}

// The console carries out the panic spells, with their messages and the full save.
void HotkeyProcessor::run_panic(int panic_index)
{
    switch (panic_index) {
    case 0:
        m_app.activate_hidden_feature(QStringLiteral("reset settings"));
        break;
    case 1:
        m_app.quit_kavo();
        break;
    default:
        m_app.activate_hidden_feature(QStringLiteral("reset colors"));
        break;
    }
}

void HotkeyProcessor::change_temperature(int delta)
{
    const SettingsMap& settings = m_app.settings_map();
    const std::array<int, 3> values{setting("DayTemperature"), setting("NightTemperature"),
                                    setting("SleepLight")};
    const ColorStep::Result step =
        ColorStep::step(values, static_cast<int>(m_app.get_interpolated_color_temperature(0)),
                        delta, m_app.get_transition_type(), ColorStep::kTemperature);
    if (step.which == ColorStep::None)
        return;
    keep_shown_colors_as_custom();
    if (step.which == ColorStep::Day)
        m_app.day_temperature_changed(step.value, 0);
    else if (step.which == ColorStep::Night)
        m_app.night_temperature_changed(step.value, 0);
    else
        m_app.sleep_light_changed(step.value, 0);
    m_app.use_advanced_settings_changed(true);
    if (save_manager()) {
        save_manager()->write_temperature_values();
        save_manager()->write_advanced_view();
    }
    if (step.which == ColorStep::Day)
        emit m_app.set_day_temperature_slider_value(settings.value("DayTemperature").toInt());
    else if (step.which == ColorStep::Night)
        emit m_app.set_night_temperature_slider_value(settings.value("NightTemperature").toInt());
    else
        emit m_app.set_sleep_light_slider_value(settings.value("SleepLight").toInt());
    m_app.refresh_after_shortcut();
}

void HotkeyProcessor::change_brightness(int delta)
{
    const SettingsMap& settings = m_app.settings_map();
    const std::array<int, 3> values{setting("DayBrightness"), setting("NightBrightness"),
                                    setting("SleepBrightness")};
    const ColorStep::Result step =
        ColorStep::step(values, static_cast<int>(m_app.get_interpolated_brightness(0)), delta,
                        m_app.get_transition_type(), ColorStep::kBrightness);
    if (step.which == ColorStep::None)
        return;
    keep_shown_colors_as_custom();
    if (step.which == ColorStep::Day)
        m_app.day_brightness_changed(step.value, 0);
    else if (step.which == ColorStep::Night)
        m_app.night_brightness_changed(step.value, 0);
    else
        m_app.sleep_brightness_changed(step.value, 0);
    m_app.use_advanced_settings_changed(true);
    if (save_manager()) {
        save_manager()->write_brightness_values();
        save_manager()->write_advanced_view();
    }
    if (step.which == ColorStep::Day)
        emit m_app.set_day_brightness_slider_value(settings.value("DayBrightness").toInt());
    else if (step.which == ColorStep::Night)
        emit m_app.set_night_brightness_slider_value(settings.value("NightBrightness").toInt());
    else
        emit m_app.set_sleep_brightness_slider_value(settings.value("SleepBrightness").toInt());
    m_app.refresh_after_shortcut();
}

// A step opens the advanced view, which puts the Custom values on the screen: they become the
// values shown now (the manual flags among them, which the simple view's manual mode or a
// settings file may have set alone), so that the step changes the shown colour and no other.
void HotkeyProcessor::keep_shown_colors_as_custom()
{
    SettingsMap& settings = m_app.settings_map();
    for (const auto& [live, custom] : kShownColors)
        settings.insert(QLatin1String(custom), settings.value(QLatin1String(live)));
}

void HotkeyProcessor::start_overlay_screen()
{
    if (setting("UseOverlayScreen"))
        m_app.select_overlay_screen_area();
    else
        m_app.use_overlay_screen_changed(true);
}

void HotkeyProcessor::toggle_color_effects()
{
    const bool use = !setting("UseColorEffects");
    m_app.settings_map().insert(QStringLiteral("UseColorEffects"), use);
    m_app.update_gamma();
    if (save_manager())
        save_manager()->write_use_color_effects();
    emit m_app.set_use_color_effects(use);
}

void HotkeyProcessor::toggle_manual_automatic()
{
    if (setting("AdvancedView")) {
        const bool manual = !setting("UseManualBrightness");
        m_app.use_manual_color_settings_changed(manual);
        m_app.use_manual_brightness_changed(manual);
    } else if (setting("KavoMode") == 1 || setting("KavoMode") == 2) {
        m_app.kavo_mode_changed_force(setting("KavoMode") == 1 ? 2 : 1, false);
    }
    if (save_manager())
        save_manager()->save_settings();
}

void HotkeyProcessor::toggle_timer_pause()
{
    const bool paused = !setting("TimerPaused");
    m_app.settings_map().insert(QStringLiteral("TimerPaused"), paused);
    m_app.pause_rest_timer(paused);
    m_app.timer_type_changed(paused ? 1 : 2);
}
