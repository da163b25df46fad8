#pragma once

#include "color/ChannelCurves.h"
#include "screens/OverlaySchedule.h"
#include "settings/SettingsStore.h"

#include <QList>
#include <QObject>
#include <QRect>
#include <QVector>

#include <functional>

class LightnessScreen;
class OverlayScreen;
class OverlaySelection;
class QTimer;
class SystemMouse;

// What the overlays ask of the controller. Unset hooks do nothing.
struct ScreenOverlaysHooks
{
    std::function<bool()> is_paused;
    std::function<int()> update_gamma;
    // The overlay's layer for the gamma ramps, where no window can be blended (the identity
    // when there is none).
    std::function<void(const ChannelCurves&)> set_gamma_layer;
    // Desktop time, ms since the epoch.
    std::function<double()> now_ms;
};

// The overlay screens and the lightness screens: which windows exist, their settings, and the
// clear area selected for the overlays. Where translucent windows are not blended (no
// compositing manager) the overlay's layer goes into the gamma ramps instead of a window, and
// the lightness spot is not shown; each is said once in the log.
class ScreenOverlays : public QObject
{
    Q_OBJECT

public:
    ScreenOverlays(SettingsMap& settings, const Location& location,
                   const QList<int>& excluded_monitors, SystemMouse& mouse,
                   ScreenOverlaysHooks hooks, QObject* parent = nullptr);
    ~ScreenOverlays() override;

    // Overlay screen.
    void create_overlay_screen();
    void delete_overlay_screen();
    void recreate_overlay_screen();
    void refresh_overlay_screens(bool force);
    void use_overlay_screen_changed(bool value);
    void day_opacity_changed(int value);
    void night_opacity_changed(int value);
    void day_dim_changed(int value);
    void night_dim_changed(int value);
    void overlay_color_changed(int value);
    void select_overlay_screen_area();
    void reset_selected_overlay_screen_area();

    // Lightness screen.
    void create_lightness_screen();
    void delete_lightness_screen();
    void recreate_lightness_screen();
    void refresh_lightness_screens(bool force);
    void use_lightness_screen_changed(bool value);
    void lightness_screen_opacity_changed(int value);
    void lightness_screen_radius_changed(int value);
    void lightness_screen_x_position_changed(int value);
    void lightness_screen_y_position_changed(int value);

    // Builds the windows in use again when the desktop under them changed since they were
    // built: a monitor moved or changed size, or a compositing manager started or stopped
    // (without one a translucent window is drawn opaque over the screen). Checked once a
    // second while an overlay or a lightness spot is wanted, and on every update of the page.
    void follow_desktop();

    const QList<OverlayScreen*>& overlay_screens() const { return m_overlays; }
    const QList<LightnessScreen*>& lightness_screens() const { return m_lightness_screens; }
    OverlaySelection& selection() { return *m_selection; }
    // The overlay dims through the gamma ramps (no compositing manager).
    bool is_gamma_layer_on() const { return m_gamma_layer_on; }

    int interpolated_opacity();
    int interpolated_dim();

private:
    // What the windows were built for.
    struct Desktop
    {
        QVector<QRect> monitors;
        bool blends = false;
        bool operator==(const Desktop& other) const
        {
            return blends == other.blends && monitors == other.monitors;
        }
    };
    static Desktop current_desktop();
    bool overlay_in_use() const { return !m_overlays.isEmpty() || m_gamma_layer_on; }
    bool lightness_in_use() const { return !m_lightness_screens.isEmpty() || m_lightness_waiting; }
    // Runs the desktop watch while some window is wanted.
    void watch_desktop();

    bool store(const char* key, int value, const char* log_label);
    void store_overlay_value(const char* key, int value, const char* log_label);
    void store_lightness_value(const char* key, int value, const char* log_label);
    // Whether the desktop the windows are built for blends them; says once (with `said`) what
    // happens `instead`.
    bool can_blend(bool& said, const char* instead);
    void show_gamma_layer(bool on);
    void refresh_gamma_layer();
    void area_selected(const QPoint& start, const QPoint& end);
    void show_stored_area();

    SettingsMap& m_settings;
    const QList<int>& m_excluded;
    ScreenOverlaysHooks m_hooks;
    OverlaySchedule m_schedule;
    OverlaySelection* m_selection;
    QTimer* m_gamma_layer_timer;
    QTimer* m_desktop_watch;
    Desktop m_built_for;
    QList<OverlayScreen*> m_overlays;
    QList<LightnessScreen*> m_lightness_screens;
    bool m_gamma_layer_on = false;
    // The lightness spot is wanted but the desktop cannot blend it.
    bool m_lightness_waiting = false;
    bool m_said_overlay_fallback = false;
    bool m_said_lightness_fallback = false;
};
