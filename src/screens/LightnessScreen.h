#pragma once

#include "screens/OverlayWindow.h"
#include "settings/SettingsTable.h"

class QTimer;

// The lightness screen: a click-through window over one monitor whose page paints a shadow-like
// spot with the opacity, radius and position of the Lightness settings.
class LightnessScreen : public OverlayWindow
{
    Q_OBJECT

public:
    LightnessScreen(int monitor_index, const QRect& geometry, const SettingsMap& settings);

    int monitor_index() const { return m_monitor_index; }
    bool is_loaded() const { return m_loaded; }

public slots:
    void update_ui(bool force);
    void update_ui() { update_ui(false); }

private slots:
    void load_finished();

private:
    int setting(const char* key) const;

    int m_monitor_index;
    const SettingsMap& m_settings;
    bool m_loaded = false;
    int m_last_opacity = -1;
    int m_last_radius = -1;
    int m_last_x = -1;
    int m_last_y = -1;
    QTimer* m_slow_timer;
};
