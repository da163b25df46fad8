#include "screens/LightnessScreen.h"

#include "parts/IWebView.h"
#include "screens/OverlayStatements.h"

#include <QTimer>

namespace {
constexpr int kSlowRefreshMs = 1000;
} // namespace

LightnessScreen::LightnessScreen(int monitor_index, const QRect& geometry,
                                 const SettingsMap& settings)
    : OverlayWindow(geometry, QStringLiteral("LightnessScreen")), m_monitor_index(monitor_index),
      m_settings(settings), m_slow_timer(new QTimer(this))
{
    build_page(QUrl(QStringLiteral("qrc:/html/lightness_screen.html")));
    view()->on_load_finished(this, [this](bool) { load_finished(); });
    m_slow_timer->setInterval(kSlowRefreshMs);
    connect(m_slow_timer, &QTimer::timeout, this, [this] {
        raise();
        update_ui(false);
    });
    show_over_desktop();
    report_page_view(QStringLiteral("lightness_screen.html"), QStringLiteral("Lightness screen"));
}

int LightnessScreen::setting(const char* key) const
{
    return m_settings.value(QLatin1String(key)).toInt();
}

void LightnessScreen::load_finished()
{
    m_loaded = true;
    m_last_opacity = -1;
    update_ui(false);
    m_slow_timer->start();
    show_over_desktop();
}

void LightnessScreen::update_ui(bool force)
{
    if (!m_loaded)
        return;
    const int opacity = setting("LightnessScreenOpacity");
    const int radius = setting("LightnessScreenRadius");
    const int x = setting("LightnessScreenXPosition");
    const int y = setting("LightnessScreenYPosition");
    if (!force && opacity == m_last_opacity && radius == m_last_radius && x == m_last_x &&
        y == m_last_y)
        return;
    run_statement(OverlayStatements::set_box_shadow(x, y, opacity, radius));
    report_opacity(opacity / 100.0);
    m_last_opacity = opacity;
    m_last_radius = radius;
    m_last_x = x;
    m_last_y = y;
}
