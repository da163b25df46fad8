#include "screens/ScreenOverlays.h"

#include "KavoLog.h"
#include "platform/Platform.h"
#include "screens/LightnessScreen.h"
#include "screens/OverlayLayout.h"
#include "screens/OverlayPalette.h"
#include "screens/OverlayScreen.h"
#include "screens/OverlaySelection.h"

#include <QTimer>

namespace {
constexpr int kGammaLayerRefreshMs = 1000;
constexpr int kDesktopWatchMs = 1000;
const char* const kStartKey = "OverlayScreenStartMousePosition";
const char* const kEndKey = "OverlayScreenEndMousePosition";

QVector<QRect> monitors()
{
    return Platform::current().displays().monitorGeometries();
}
} // namespace

ScreenOverlays::ScreenOverlays(SettingsMap& settings, const Location& location,
                               const QList<int>& excluded_monitors, SystemMouse& mouse,
                               ScreenOverlaysHooks hooks, QObject* parent)
    : QObject(parent), m_settings(settings), m_excluded(excluded_monitors),
      m_hooks(std::move(hooks)), m_schedule(settings, location),
      m_selection(new OverlaySelection(mouse, this)), m_gamma_layer_timer(new QTimer(this)),
      m_desktop_watch(new QTimer(this))
{
    connect(m_selection, &OverlaySelection::preview, this, [this](const QRect& area) {
        for (OverlayScreen* overlay : qAsConst(m_overlays))
            overlay->show_preview(area);
    });
    connect(m_selection, &OverlaySelection::selected, this, &ScreenOverlays::area_selected);
    connect(m_selection, &OverlaySelection::cancelled, this, &ScreenOverlays::show_stored_area);
    m_gamma_layer_timer->setInterval(kGammaLayerRefreshMs);
    connect(m_gamma_layer_timer, &QTimer::timeout, this, &ScreenOverlays::refresh_gamma_layer);
    m_desktop_watch->setInterval(kDesktopWatchMs);
    connect(m_desktop_watch, &QTimer::timeout, this, &ScreenOverlays::follow_desktop);
}

ScreenOverlays::~ScreenOverlays()
{
    qDeleteAll(m_overlays);
    qDeleteAll(m_lightness_screens);
}

int ScreenOverlays::interpolated_opacity()
{
    return m_schedule.opacity_at(m_hooks.now_ms ? m_hooks.now_ms() : 0.0);
}

int ScreenOverlays::interpolated_dim()
{
    return m_schedule.dim_at(m_hooks.now_ms ? m_hooks.now_ms() : 0.0);
}

bool ScreenOverlays::store(const char* key, int value, const char* log_label)
{
    const QString name = QLatin1String(key);
    if (m_settings.contains(name) && m_settings.value(name).toInt() == value)
        return false;
    if (log_label)
        log_line(QLatin1String(log_label) + QString::number(value));
    m_settings.insert(name, value);
    return true;
}

// ---- The desktop under the windows ----

ScreenOverlays::Desktop ScreenOverlays::current_desktop()
{
    return Desktop{monitors(), Platform::current().overlays().blendsTranslucentWindows()};
}

void ScreenOverlays::watch_desktop()
{
    if (overlay_in_use() || lightness_in_use())
        m_desktop_watch->start();
    else
        m_desktop_watch->stop();
}

void ScreenOverlays::follow_desktop()
{
    const bool overlay = overlay_in_use();
    const bool lightness = lightness_in_use();
    if (!overlay && !lightness) {
        m_desktop_watch->stop();
        return;
    }
    if (current_desktop() == m_built_for)
        return;
    log_line(QStringLiteral("The desktop changed: the overlay windows are built again"));
    if (overlay)
        recreate_overlay_screen();
    if (lightness)
        recreate_lightness_screen();
}

// ---- Overlay screen ----

bool ScreenOverlays::can_blend(bool& said, const char* instead)
{
    m_built_for = current_desktop();
    if (m_built_for.blends)
        return true;
    if (!said) {
        said = true;
        log_line(QStringLiteral("No compositing manager blends translucent windows: ") +
                 QLatin1String(instead));
    }
    return false;
}

void ScreenOverlays::create_overlay_screen()
{
    if (!m_overlays.isEmpty() || m_gamma_layer_on)
        return;
    if (!can_blend(m_said_overlay_fallback,
                   "the overlay dims and tints through the gamma ramps")) {
        show_gamma_layer(true);
        watch_desktop();
        return;
    }
    const OverlayScreen::Schedule schedule{[this] { return interpolated_opacity(); },
                                           [this] { return interpolated_dim(); }};
    for (const OverlayLayout::Target& target :
         OverlayLayout::overlay_targets(m_built_for.monitors, m_excluded))
        m_overlays.append(
            new OverlayScreen(target.monitor_index, target.geometry, m_settings, schedule));
    watch_desktop();
}

void ScreenOverlays::delete_overlay_screen()
{
    m_selection->cancel();
    qDeleteAll(m_overlays);
    m_overlays.clear();
    show_gamma_layer(false);
    watch_desktop();
}

void ScreenOverlays::recreate_overlay_screen()
{
    delete_overlay_screen();
    create_overlay_screen();
}

void ScreenOverlays::refresh_overlay_screens(bool force)
{
    for (OverlayScreen* overlay : qAsConst(m_overlays))
        overlay->update_ui(force);
    if (m_gamma_layer_on)
        refresh_gamma_layer();
}

void ScreenOverlays::use_overlay_screen_changed(bool value)
{
    if (value && !(m_hooks.is_paused && m_hooks.is_paused()))
        create_overlay_screen();
    else
        delete_overlay_screen();
    if (m_settings.value(QStringLiteral("UseOverlayScreen")).toBool() == value)
        return;
    m_settings.insert(QStringLiteral("UseOverlayScreen"), value);
    m_settings.insert(QStringLiteral("AdvancedUseOverlayScreen"), value);
}

void ScreenOverlays::store_overlay_value(const char* key, int value, const char* log_label)
{
    if (!store(key, value, log_label))
        return;
    refresh_overlay_screens(false);
    m_settings.insert(QStringLiteral("Advanced") + QLatin1String(key), value);
}

void ScreenOverlays::day_opacity_changed(int value)
{
    store_overlay_value("DayOpacity", value, "day_opacity_changed: ");
}

void ScreenOverlays::night_opacity_changed(int value)
{
    store_overlay_value("NightOpacity", value, "night_opacity_changed: ");
}

void ScreenOverlays::day_dim_changed(int value)
{
    store_overlay_value("DayDim", value, "day_dim_changed: ");
}

void ScreenOverlays::night_dim_changed(int value)
{
    store_overlay_value("NightDim", value, "night_dim_changed: ");
}

void ScreenOverlays::overlay_color_changed(int value)
{
    if (!store("OverlayScreenColor", value, "overlay_screen_COLOR: "))
        return;
    for (OverlayScreen* overlay : qAsConst(m_overlays))
        overlay->set_color(value);
    if (m_gamma_layer_on)
        refresh_gamma_layer();
    if (m_settings.value(QStringLiteral("AdvancedView")).toBool() && m_hooks.update_gamma)
        m_hooks.update_gamma();
}

void ScreenOverlays::select_overlay_screen_area()
{
    if (!m_overlays.isEmpty())
        m_selection->begin();
}

void ScreenOverlays::reset_selected_overlay_screen_area()
{
    m_selection->cancel();
    m_settings.insert(QLatin1String(kStartKey), QPoint(0, 0));
    m_settings.insert(QLatin1String(kEndKey), QPoint(0, 0));
    for (OverlayScreen* overlay : qAsConst(m_overlays))
        overlay->reset_area();
}

void ScreenOverlays::area_selected(const QPoint& start, const QPoint& end)
{
    const QRect area = OverlayLayout::spanned(start, end);
    // A click without a drag selects nothing: the area shown before stays.
    if (area.isEmpty()) {
        show_stored_area();
        return;
    }
    m_settings.insert(QLatin1String(kStartKey), start);
    m_settings.insert(QLatin1String(kEndKey), end);
    for (OverlayScreen* overlay : qAsConst(m_overlays))
        overlay->set_area(area);
}

void ScreenOverlays::show_stored_area()
{
    const QPoint start = m_settings.value(QLatin1String(kStartKey)).toPoint();
    const QPoint end = m_settings.value(QLatin1String(kEndKey)).toPoint();
    const QRect area = OverlayLayout::is_set(start) && OverlayLayout::is_set(end)
                           ? OverlayLayout::spanned(start, end)
                           : QRect();
    for (OverlayScreen* overlay : qAsConst(m_overlays))
        overlay->set_area(area);
}

// ---- Overlay through the gamma ramps ----

void ScreenOverlays::show_gamma_layer(bool on)
{
    if (on == m_gamma_layer_on)
        return;
    m_gamma_layer_on = on;
    if (on) {
        m_gamma_layer_timer->start();
        refresh_gamma_layer();
        return;
    }
    m_gamma_layer_timer->stop();
    if (m_hooks.set_gamma_layer)
        m_hooks.set_gamma_layer(ChannelCurves());
}

void ScreenOverlays::refresh_gamma_layer()
{
    OverlayPalette::Rgb rgb;
    OverlayPalette::color(
        OverlayPalette::code_from_setting(m_settings.value(QStringLiteral("OverlayScreenColor"))),
        rgb);
    const OverlayPalette::Rgb dimmed = OverlayPalette::dimmed(rgb, interpolated_dim());
    const float alpha = static_cast<float>(interpolated_opacity()) / 100.0f;
    if (m_hooks.set_gamma_layer)
        m_hooks.set_gamma_layer(
            ChannelCurves::layer(dimmed.red, dimmed.green, dimmed.blue, alpha));
}

// ---- Lightness screen ----

void ScreenOverlays::create_lightness_screen()
{
    if (lightness_in_use())
        return;
    m_lightness_waiting = !can_blend(m_said_lightness_fallback, "the lightness spot is not shown");
    if (!m_lightness_waiting) {
        for (const OverlayLayout::Target& target :
             OverlayLayout::monitor_targets(m_built_for.monitors, m_excluded))
            m_lightness_screens.append(
                new LightnessScreen(target.monitor_index, target.geometry, m_settings));
    }
    watch_desktop();
}

void ScreenOverlays::delete_lightness_screen()
{
    qDeleteAll(m_lightness_screens);
    m_lightness_screens.clear();
    m_lightness_waiting = false;
    watch_desktop();
}

void ScreenOverlays::recreate_lightness_screen()
{
    delete_lightness_screen();
    create_lightness_screen();
}

void ScreenOverlays::refresh_lightness_screens(bool force)
{
    for (LightnessScreen* screen : qAsConst(m_lightness_screens))
        screen->update_ui(force);
}

void ScreenOverlays::use_lightness_screen_changed(bool value)
{
    if (value && !(m_hooks.is_paused && m_hooks.is_paused()))
        create_lightness_screen();
    else
        delete_lightness_screen();
    if (m_settings.value(QStringLiteral("UseLightnessScreen")).toBool() == value)
        return;
    m_settings.insert(QStringLiteral("UseLightnessScreen"), value);
    m_settings.insert(QStringLiteral("AdvancedUseLightnessScreen"), value);
}

void ScreenOverlays::store_lightness_value(const char* key, int value, const char* log_label)
{
    if (!store(key, value, log_label))
        return;
    refresh_lightness_screens(false);
}

void ScreenOverlays::lightness_screen_opacity_changed(int value)
{
    store_lightness_value("LightnessScreenOpacity", value, nullptr);
    m_settings.insert(QStringLiteral("AdvancedLightnessScreenOpacity"), value);
}

void ScreenOverlays::lightness_screen_radius_changed(int value)
{
    store_lightness_value("LightnessScreenRadius", value, "lightness_screen_radius_changed: ");
    m_settings.insert(QStringLiteral("AdvancedLightnessScreenRadius"), value);
}

void ScreenOverlays::lightness_screen_x_position_changed(int value)
{
    store_lightness_value("LightnessScreenXPosition", value,
                          "lightness_screen_x_position_changed: ");
    // The stored key spells "position" with a small p.
    m_settings.insert(QStringLiteral("AdvancedLightnessScreenXposition"), value);
}

void ScreenOverlays::lightness_screen_y_position_changed(int value)
{
    store_lightness_value("LightnessScreenYPosition", value, nullptr);
    m_settings.insert(QStringLiteral("AdvancedLightnessScreenYPosition"), value);
}
