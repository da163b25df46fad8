#include "color/MagnificationApi.h"

#include "color/ZoomTransform.h"
#include "screens/KavoMessageBox.h"

#include <QCursor>

namespace {
const char* const kDesktopFunctions[] = {
    "GetMagnificationDesktopMagnification", "SetMagnificationDesktopMagnification",
    "GetMagnificationDesktopColorEffect", "SetMagnificationDesktopColorEffect"};
const char* const kMagnificationFunctions[] = {"MagInitialize",
                                               "MagUninitialize",
                                               "MagGetFullscreenColorEffect",
                                               "MagSetFullscreenColorEffect",
                                               "MagGetFullscreenTransform",
                                               "MagSetFullscreenTransform",
                                               "MagGetColorEffect",
                                               "MagSetColorEffect",
                                               "MagImageScalingCallback",
                                               "MagGetImageScalingCallback",
                                               "MagSetImageScalingCallback",
                                               "MagGetInputTransform",
                                               "MagSetInputTransform",
                                               "MagGetWindowFilterList",
                                               "MagSetWindowFilterList",
                                               "MagGetWindowSource",
                                               "MagSetWindowSource",
                                               "MagGetWindowTransform",
                                               "MagSetWindowTransform",
                                               "MagShowSystemCursor"};
const char* const kFullscreenColorFunctions[] = {
    "MagGetFullscreenColorEffect", "MagSetFullscreenColorEffect",
    "GetMagnificationDesktopColorEffect", "SetMagnificationDesktopColorEffect"};
constexpr int kWindowStepMs = 5;
constexpr int kZoomStepMs = 16;
constexpr int kOpaque = 255;
} // namespace

MagnificationApi::MagnificationApi(IMagnifier& magnifier, IDisplays& displays, QObject* parent)
    : QObject(parent), m_magnifier(magnifier), m_displays(displays)
{
    m_window_timer.setInterval(kWindowStepMs);
    connect(&m_window_timer, &QTimer::timeout, this, &MagnificationApi::window_step);
    m_loaded = load_functions();
    // Only a service that exists and fails is worth a message: a desktop without one uses
    // gamma ramps for everything.
    const bool exists = m_loaded || has("MagInitialize");
    if (exists && !m_magnifier.initialize())
        new KavoMessageBox(tr("Kavo Color Effects"), tr("Failed to initialize color effects."));
}

MagnificationApi::~MagnificationApi()
{
    destroy_all_windows();
    if (has("MagUninitialize"))
        m_magnifier.uninitialize();
}

bool MagnificationApi::has(const char* function) const
{
    return m_magnifier.hasFunction(QLatin1String(function));
}

bool MagnificationApi::load_functions()
{
    const auto allOf = [this](const auto& names) {
        for (const char* name : names) {
            if (!has(name))
                return false;
        }
        return true;
    };
    return allOf(kMagnificationFunctions) || allOf(kDesktopFunctions);
}

bool MagnificationApi::has_fullscreen_color_effect()
{
    if (!m_loaded)
        m_loaded = load_functions();
    for (const char* name : kFullscreenColorFunctions) {
        if (has(name))
            return true;
    }
    return false;
}

bool MagnificationApi::set_fullscreen_color_effect(const ColorMatrix& matrix)
{
    if (!has_fullscreen_color_effect())
        return false;
    if (has("MagSetFullscreenColorEffect"))
        return m_magnifier.setFullscreenColorEffect(matrix.values);
    return m_magnifier.setDesktopColorEffect(matrix.values);
}

bool MagnificationApi::has_monitor_window(int index) const
{
    for (const MonitorWindow& record : m_windows) {
        if (record.monitor_index == index)
            return true;
    }
    return false;
}

void MagnificationApi::set_monitor_color_effect(int index, const ColorMatrix& matrix)
{
    int window = 0;
    for (const MonitorWindow& record : m_windows) {
        if (record.monitor_index == index)
            window = record.window;
    }
    if (window == 0)
        window = create_monitor_window(index);
    if (window != 0)
        m_magnifier.setWindowColorEffect(window, matrix.values);
}

int MagnificationApi::create_monitor_window(int index)
{
    const QVector<QRect> screens = m_displays.monitorGeometries();
    QRect area;
    if (index < 0) {
        // One window over every screen, with a margin.
        int width = 0;
        int bottom = 0;
        for (const QRect& screen : screens) {
            width += screen.width();
            bottom = std::max(bottom, screen.bottom() + 1);
        }
        area = QRect(0, 0, width + 100, bottom + 1 + 100);
    } else if (index < screens.size()) {
        area = screens[index];
    } else {
        return 0;
    }
    const int window = m_magnifier.createWindow(area);
    if (window == 0)
        return 0;
    m_magnifier.setWindowOpacity(window, 0);
    m_magnifier.setWindowSource(window, area);
    m_windows.append({index, window});
    m_window_steps = 0;
    if (!m_window_timer.isActive())
        m_window_timer.start();
    window_step();
    return window;
}

void MagnificationApi::window_step()
{
    for (const MonitorWindow& record : m_windows)
        m_magnifier.refreshWindow(record.window);
    if (m_window_steps < 0)
        return;
    // Shown only from the second step on, once the window has drawn what it magnifies.
    if (++m_window_steps == 2) {
        for (const MonitorWindow& record : m_windows)
            m_magnifier.setWindowOpacity(record.window, kOpaque);
        m_window_steps = -1;
    }
}

void MagnificationApi::destroy_monitor_window(int index)
{
    for (int i = m_windows.size() - 1; i >= 0; --i) {
        if (m_windows[i].monitor_index == index) {
            m_magnifier.destroyWindow(m_windows[i].window);
            m_windows.remove(i);
        }
    }
}

void MagnificationApi::destroy_all_windows()
{
    for (const MonitorWindow& record : m_windows)
        m_magnifier.destroyWindow(record.window);
    m_windows.clear();
    m_window_timer.stop();
}

void MagnificationApi::zoom_in(float step)
{
    if (!m_zoom_timer) {
        m_zoom_timer = new QTimer(this);
        connect(m_zoom_timer, &QTimer::timeout, this, &MagnificationApi::UpdateMagnification);
        m_zoom_timer->start(kZoomStepMs);
        emit zoom_active_changed(true);
    }
    m_zoom_level += step;
}

void MagnificationApi::zoom_out(float step)
{
    m_zoom_level -= step;
    if (m_zoom_level >= 1.0f)
        return;
    if (m_zoom_timer) {
        m_zoom_timer->stop();
        delete m_zoom_timer;
        m_zoom_timer = nullptr;
        emit zoom_active_changed(false);
    }
    m_zoom_level = 1.0f;
    UpdateMagnification();
}

void MagnificationApi::UpdateMagnification()
{
    if (m_zoom_level < 1.0f)
        return;
    const bool fullscreen = has("MagSetFullscreenTransform");
    if (!fullscreen && !has("SetMagnificationDesktopMagnification"))
        return;
    const QPoint cursor = QCursor::pos();
    const QSize screen = m_displays.monitorGeometries().value(0).size();
    const QPoint at = fullscreen ? ZoomTransform::fullscreenOrigin(cursor, screen, m_zoom_level)
                                 : ZoomTransform::desktopOffset(cursor, screen, m_zoom_level);
    if (m_zoom_level == m_last_zoom && at == m_last_position)
        return;
    if (fullscreen)
        m_magnifier.setFullscreenTransform(m_zoom_level, at.x(), at.y());
    else
        m_magnifier.setDesktopMagnification(static_cast<double>(m_zoom_level), at.x(), at.y());
    m_last_zoom = m_zoom_level;
    m_last_position = at;
}
