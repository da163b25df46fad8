#pragma once

#include <QDir>
#include <QString>

#include <functional>

class App;

// Drives the real main window offscreen and saves what it shows: the simple view, the
// advanced view and every settings page, at each display scale.
class ScreenshotSession
{
public:
    ScreenshotSession(App& app, const QDir& output);

    // Waits for the page, then renders everything; false when something did not appear.
    bool run();

private:
    struct Scale
    {
        int ui_scale;
        const char* folder;
    };

    bool render_scale(const Scale& scale);
    bool render_per_monitor_tabs(const Scale& scale);
    bool show_view(bool advanced);
    bool open_page(const QString& title);
    bool save(const QString& folder, const QString& name);
    QVariant page_value(const QString& script);
    // Runs the event loop until `condition` holds or a few seconds have passed.
    bool wait_for(const std::function<bool()>& condition, const QString& what);

    App& m_app;
    QDir m_output;
};
