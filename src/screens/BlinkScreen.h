#pragma once

#include "screens/KavoWindow.h"
#include "settings/SettingsTable.h"

class Camera;
class IWebView;
class DragWidget;
class QImage;
class QLabel;
class QTimer;

// The small always-on-top window of the blink count: the count per minute and, while the
// video is open, the camera picture with the face and eyes framed beneath the page. The page
// calls openVideo(), closeVideo() and hide_clicked() through "native_object".
class BlinkScreen : public KavoWindow
{
    Q_OBJECT

public:
    static const char* const kPage; // "qrc:/html/blink_screen.html"

    // `camera` may be null (no camera service: nothing is captured).
    BlinkScreen(Camera* camera, const SettingsMap& settings, QWidget* parent = nullptr);

    bool is_video_open() const { return m_video_open; }
    QLabel* video_label() const { return m_video; }
    IWebView* view() const { return m_view; }
    bool is_page_loaded() const { return m_page_loaded; }

signals:
    // The user closed the window.
    void hide_requested();

public slots:
    // A preview frame from the camera.
    void showImage(const QImage& image);
    void openVideo();
    void closeVideo();
    // The capture's first frame arrived: the window comes up.
    void begin_showing();
    void hide_clicked() { emit hide_requested(); }
    // Blink detection was switched off: the page says so.
    void disable_blink_detection();
    // Brings the page up to date: count, camera switched off, camera error.
    void update_ui();

protected:
    void reject() override { emit hide_requested(); }

private:
    void build_page();
    void place_drag_handles(bool video_open);
    void run(const QString& statement);
    void show_video_label(bool show);

    Camera* m_camera;
    const SettingsMap& m_settings;
    IWebView* m_view;
    QLabel* m_video;
    DragWidget* m_drag;
    DragWidget* m_side_drag;
    QTimer* m_ui_timer;
    bool m_video_open = true;
    bool m_page_loaded = false;
};
