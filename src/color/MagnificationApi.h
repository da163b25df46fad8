#pragma once

#include "Singleton.h"
#include "color/ColorMatrix.h"
#include "platform/IDisplays.h"
#include "platform/IMagnifier.h"

#include <QObject>
#include <QTimer>
#include <QVector>

// Kavo's side of the desktop's magnification service: full-screen colour effects, one
// magnifier window per monitor when monitors need different matrices, and screen zoom.
class MagnificationApi : public QObject, public Singleton<MagnificationApi>
{
    Q_OBJECT

public:
    // Starts the service; where it exists but fails to start, says so in a message box.
    MagnificationApi(IMagnifier& magnifier, IDisplays& displays, QObject* parent = nullptr);
    ~MagnificationApi() override;

    // Whether the service's functions are there: all of its own, or the four desktop ones.
    bool load_functions();
    bool has_fullscreen_color_effect();

    // Sets the colour matrix of the whole desktop; false when the service cannot.
    bool set_fullscreen_color_effect(const ColorMatrix& matrix);

    // Gives monitor `index` (from 0) its own matrix, creating its window first.
    void set_monitor_color_effect(int index, const ColorMatrix& matrix);
    void destroy_monitor_window(int index);
    void destroy_all_windows();
    bool has_monitor_window(int index) const;

    void zoom_in(float step);
    void zoom_out(float step);
    float zoom_level() const { return m_zoom_level; }
    bool is_zoom_timer_running() const { return m_zoom_timer != nullptr; }

public slots:
    void UpdateMagnification();

signals:
    void zoom_active_changed(bool active);

private:
    struct MonitorWindow
    {
        int monitor_index;
        int window;
    };

    int create_monitor_window(int index);
    void window_step();
    bool has(const char* function) const;

    IMagnifier& m_magnifier;
    IDisplays& m_displays;
    bool m_loaded = false;
    QVector<MonitorWindow> m_windows;
    QTimer m_window_timer;
    int m_window_steps = -1; // counts steps after a window was created; -1: not counting
    QTimer* m_zoom_timer = nullptr;
    float m_zoom_level = 1.0f;
    float m_last_zoom = -1.0f;
    QPoint m_last_position{-1, -1};
};
