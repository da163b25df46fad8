#pragma once

#include "platform/Win32Types.h"

#include <QKeySequence>
#include <QObject>
#include <QStringList>
#include <QVariantList>

#include <array>

class App;
class QHotkey;
class QTimer;

// Kavo's global shortcuts: fourteen whose key sequences are settings (feature indexes 1 to
// 14, as the shortcuts page numbers them) and three fixed panic shortcuts, each with its
// action on the controller.
class HotkeyProcessor : public QObject
{
    Q_OBJECT

public:
    static constexpr int kShortcutCount = 14;

    explicit HotkeyProcessor(App& app);
    ~HotkeyProcessor() override;

    // The settings key of feature `feature_index` (1 to 14); empty for any other index.
    static QString shortcut_key(int feature_index);
    // The name of feature `feature_index` as the shortcuts page shows it.
    static QString feature_name(int feature_index);

    // Takes every shortcut's key sequence from the settings, then registers them as enabled.
    void register_shortcuts();
    // The panic shortcuts follow UsePanicKeyboardShortcuts on every call; the fourteen follow
    // `enabled` when it changed or `force` is set.
    void set_enabled(bool enabled, bool force);
    bool is_enabled() const { return m_enabled; }
    // Stores `text` as the key sequence of feature `feature_index` (1 to 14; any other index
    // stores nothing), then registers every shortcut again.
    void change_shortcut(int feature_index, const QString& text);
    // An empty first element, then the fourteen key sequences in index order.
    QVariantList shortcut_texts() const;
    // The numeric keypad's plus and minus with Ctrl and Alt zoom the screen.
    void zoom_keys(DWORD key);

    // Every shortcut lets go of its keys while the user records a new one on the shortcuts
    // page (so that pressing a combination Kavo holds reaches the page), for at most a minute.
    void suspend(bool suspended);
    bool is_suspended() const { return m_suspended; }

    // Runs the action of feature `feature_index` (1 to 14), as its keys would.
    void run(int feature_index);

    // The line that binds feature `feature_index` to `keys` in sway's configuration, running
    // kavoctl, for desktops that keep keys to themselves.
    static QString sway_binding(int feature_index, const QKeySequence& keys);

    // One text per shortcut that should be registered but is not, with the reason.
    QStringList registration_problems() const;
    // The key sequences registered now, configurable ones in index order, then panic ones.
    QStringList registered_shortcuts() const;

signals:
    // Shortcuts were registered or unregistered.
    void registration_changed();

private:
    bool can_zoom() const;
    bool wanted(int feature_index) const;
    void apply_registration();
    void run_panic(int panic_index);
    void change_temperature(int delta);
    void change_brightness(int delta);
    void keep_shown_colors_as_custom();
    void start_overlay_screen();
    void toggle_color_effects();
    void toggle_manual_automatic();
    void toggle_timer_pause();
    int setting(const char* key) const;

    App& m_app;
    std::array<QHotkey*, kShortcutCount + 1> m_hotkeys{}; // index 0 unused
    std::array<QHotkey*, 3> m_panic{};
    QTimer* m_suspension_end;
    bool m_enabled = false;
    bool m_panic_enabled = false;
    bool m_suspended = false;
};
