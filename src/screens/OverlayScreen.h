#pragma once

#include "platform/Win32Types.h"
#include "screens/OverlayPalette.h"
#include "screens/OverlayWindow.h"
#include "settings/SettingsTable.h"

#include <functional>

class QTimer;

// The overlay screen: a click-through window over one monitor (or the whole desktop) whose page
// covers the picture with a coloured layer. Its opacity and dim follow the time of day; a
// selected area of the screen stays clear.
class OverlayScreen : public OverlayWindow
{
    Q_OBJECT

public:
    // Opacity and dim in percent, for now.
    struct Schedule
    {
        std::function<int()> opacity;
        std::function<int()> dim;
    };

    // `monitor_index` -1 covers every monitor with `geometry`. Colour and clear area come
    // from `settings`.
    OverlayScreen(int monitor_index, const QRect& geometry, const SettingsMap& settings,
                  Schedule schedule);

    int monitor_index() const { return m_monitor_index; }
    bool is_loaded() const { return m_loaded; }

    // Stores a colour code and pushes it at once.
    void set_color(int code);
    // Leaves `area` (desktop coordinates) clear; an empty area covers everything again.
    void set_area(const QRect& area);
    // Shows the area being dragged out.
    void show_preview(const QRect& area);
    // Covers the whole screen again.
    void reset_area();

public slots:
    void update_ui(bool force);
    void update_ui() { update_ui(false); }
    int get_interpolated_opacity();
    int get_interpolated_screen_dim();

private slots:
    void load_finished();

private:
    void draw_area();
    void push_color(float alpha, int dim);

    int m_monitor_index;
    QPoint m_origin;
    Schedule m_schedule;
    int m_color = OverlayPalette::kDefaultCode;
    QRect m_area;        // desktop coordinates; empty: none
    QRect m_preview;     // the area being dragged out; empty: none
    bool m_area_drawn = true; // nothing to draw at first: the page starts covered
    bool m_loaded = false;
    float m_last_alpha = -1.0f;
    int m_last_dim = -1;
    QTimer* m_slow_timer;
};
