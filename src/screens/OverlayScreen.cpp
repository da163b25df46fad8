#include "screens/OverlayScreen.h"

#include "KavoLog.h"
#include "parts/IWebView.h"
#include "screens/OverlayLayout.h"
#include "screens/OverlayStatements.h"

#include <QTimer>

namespace {
constexpr int kSlowRefreshMs = 1000;

// The clear area stored by an earlier selection, when there is one.
QRect stored_area(const SettingsMap& settings)
{
    const QPoint start = settings.value(QStringLiteral("OverlayScreenStartMousePosition")).toPoint();
    const QPoint end = settings.value(QStringLiteral("OverlayScreenEndMousePosition")).toPoint();
    if (!OverlayLayout::is_set(start) || !OverlayLayout::is_set(end))
        return {};
    return OverlayLayout::spanned(start, end);
}

int color_code(const SettingsMap& settings)
{
    const QVariant stored = settings.value(QStringLiteral("OverlayScreenColor"));
    bool refused = false;
    const int code = OverlayPalette::code_from_setting(stored, &refused);
    if (refused)
        log_line(QStringLiteral("Overlay color is not a colour code, red is used: ") +
                 stored.toString());
    return code;
}
} // namespace

OverlayScreen::OverlayScreen(int monitor_index, const QRect& geometry, const SettingsMap& settings,
                             Schedule schedule)
    : OverlayWindow(geometry, QStringLiteral("OverlayScreen")), m_monitor_index(monitor_index),
      m_origin(geometry.topLeft()), m_schedule(std::move(schedule)),
      m_color(color_code(settings)), m_area(stored_area(settings)),
      m_area_drawn(m_area.isEmpty()), m_slow_timer(new QTimer(this))
{
    build_page(QUrl(QStringLiteral("qrc:/html/overlay_screen.html")));
    view()->on_load_finished(this, [this](bool) { load_finished(); });
    m_slow_timer->setInterval(kSlowRefreshMs);
    connect(m_slow_timer, &QTimer::timeout, this, [this] {
        raise();
        update_ui(false);
    });
    report_opacity(0.0);
    show_over_desktop();
    report_page_view(QStringLiteral("overlay_screen.html"), QStringLiteral("Overlay screen"));
}

int OverlayScreen::get_interpolated_opacity()
{
    return m_schedule.opacity ? m_schedule.opacity() : 0;
}

int OverlayScreen::get_interpolated_screen_dim()
{
    return m_schedule.dim ? m_schedule.dim() : 0;
}

void OverlayScreen::load_finished()
{
    // A reload starts a covered page again.
    m_loaded = true;
    m_area_drawn = m_area.isEmpty();
    m_last_alpha = -1.0f;
    update_ui(false);
    m_slow_timer->start();
    show_over_desktop();
}

void OverlayScreen::set_color(int code)
{
    m_color = code;
    m_last_alpha = -1.0f;
    update_ui(false);
}

void OverlayScreen::set_area(const QRect& area)
{
    m_area = area;
    m_preview = QRect();
    m_area_drawn = false;
    update_ui(false);
}

void OverlayScreen::show_preview(const QRect& area)
{
    m_preview = area;
    update_ui(false);
}

void OverlayScreen::reset_area()
{
    m_area = QRect();
    m_preview = QRect();
    m_area_drawn = true;
    m_last_alpha = -1.0f;
    run_statement(OverlayStatements::reset_area());
    update_ui(false);
}

void OverlayScreen::draw_area()
{
    const QRect area = m_preview.isEmpty() ? m_area : m_preview;
    if (!m_preview.isEmpty() || !m_area_drawn) {
        run_statement(area.isEmpty()
                          ? OverlayStatements::reset_area()
                          : OverlayStatements::create_div(OverlayLayout::in_window(area, m_origin)));
        // The new blocks take the colour again.
        m_last_alpha = -1.0f;
        m_area_drawn = true;
        m_preview = QRect();
    }
}

void OverlayScreen::update_ui(bool force)
{
    if (!m_loaded)
        return;
    draw_area();
    const float alpha = static_cast<float>(get_interpolated_opacity()) / 100.0f;
    const int dim = get_interpolated_screen_dim();
    if (!force && alpha == m_last_alpha && dim == m_last_dim)
        return;
    push_color(alpha, dim);
}

void OverlayScreen::push_color(float alpha, int dim)
{
    OverlayPalette::Rgb rgb;
    if (!OverlayPalette::color(m_color, rgb))
        log_line(QStringLiteral("Wrong overlay color: ") + QString::number(m_color));
    run_statement(
        OverlayStatements::set_background_color(OverlayPalette::dimmed(rgb, dim), alpha));
    report_opacity(static_cast<double>(alpha));
    m_last_alpha = alpha;
    m_last_dim = dim;
}
