#include "sensors/SensorControl.h"

#include "KavoLog.h"
#include "screens/BlinkScreen.h"
#include "sensors/Camera.h"
#include "sensors/SmartBrightness.h"
#include "sensors/SmartInversion.h"

#include <QTimer>

namespace {
constexpr int kMinuteMs = 60000;
} // namespace

SensorControl::SensorControl(SettingsMap& settings, IScreenCapture& screen, ICameras& cameras,
                             Camera* camera, QWidget* window, SensorHooks hooks, QObject* parent)
    : QObject(parent), m_settings(settings), m_cameras(cameras), m_camera(camera), m_window(window),
      m_hooks(std::move(hooks)),
      m_smart_brightness(std::make_unique<SmartBrightness>(settings, screen)),
      m_smart_inversion(std::make_unique<SmartInversion>(settings, screen,
                                                         [this] { refresh_color_inversion(); })),
      m_minute_timer(new QTimer(this))
{
    // Blinks are counted per minute.
    connect(m_minute_timer, &QTimer::timeout, this, &SensorControl::reset_blinks);
    m_minute_timer->start(kMinuteMs);
    if (!m_camera)
        return;
    // Pictures for the blink window only while it shows them.
    m_camera->set_preview_on(false);
    CameraHooks camera_hooks;
    camera_hooks.page_loaded = m_hooks.is_page_loaded;
    camera_hooks.start_brightness = [this] {
        return m_settings.value(QStringLiteral("NightBrightness")).toInt();
    };
    m_camera->set_hooks(camera_hooks);
    connect(m_camera, &Camera::brightness_changed, this, &SensorControl::auto_brightness_changed);
}

SensorControl::~SensorControl()
{
    stop_camera();
    if (m_camera)
        m_camera->set_hooks({});
    delete m_blink_screen;
}

void SensorControl::start()
{
    apply_camera();
    if (flag("UseBlinkScreen"))
        show_blink_screen();
}

void SensorControl::stop_camera()
{
    if (m_camera)
        m_camera->stop_and_wait();
}

bool SensorControl::flag(const char* key) const
{
    return m_settings.value(QLatin1String(key)).toBool();
}

bool SensorControl::store(const char* key, bool value, const char* log_label)
{
    if (flag(key) == value)
        return false;
    if (log_label)
        log_line(QLatin1String(log_label) + QString::number(int(value)));
    m_settings.insert(QLatin1String(key), value);
    return true;
}

void SensorControl::apply_camera()
{
    if (!m_camera)
        return;
    m_camera->set_use_automatic_brightness(use_automatic_brightness());
    m_camera->set_use_blink_detection(use_blink_detection());
    if (is_camera_active())
        m_camera->start_capture(m_cameras);
    else
        m_camera->stop_capture();
}

void SensorControl::use_camera_changed(bool value)
{
    if (!store("CameraActive", value, nullptr))
        return;
    apply_camera();
    if (m_hooks.write_state)
        m_hooks.write_state();
}

bool SensorControl::is_camera_active() const
{
    return flag("CameraActive");
}

bool SensorControl::use_automatic_brightness() const
{
    return flag("UseAutomaticBrightness");
}

void SensorControl::use_automatic_brightness_changed(bool value)
{
    if (store("UseAutomaticBrightness", value, "use_automatic_brightness: ") && m_camera)
        m_camera->set_use_automatic_brightness(value);
}

bool SensorControl::use_blink_detection() const
{
    return flag("UseBlinkDetection");
}

void SensorControl::use_blink_detection_changed(bool value)
{
    if (!store("UseBlinkDetection", value, "use_blink_detection: "))
        return;
    if (m_camera)
        m_camera->set_use_blink_detection(value);
    if (!value && m_blink_screen)
        m_blink_screen->disable_blink_detection();
}

void SensorControl::match_brightness_to_lighting_changed(bool value)
{
    store("MatchBrightnessToLighting", value, "match_brightness_to_lighting: ");
}

void SensorControl::auto_brightness_changed(int value)
{
    if (value == m_settings.value(QStringLiteral("NightBrightness")).toInt() &&
        value == m_settings.value(QStringLiteral("DayBrightness")).toInt())
        return;
    if (m_hooks.set_brightness)
        m_hooks.set_brightness(value);
}

void SensorControl::reset_blinks()
{
    if (m_camera)
        m_camera->reset_blinks();
}

void SensorControl::refresh_blink_count()
{
    m_blink_count = m_camera ? m_camera->blink_count() : 0;
    if (m_hooks.is_page_loaded && m_hooks.is_page_loaded())
        emit blink_count_changed(m_blink_count);
}

BlinkScreen* SensorControl::blink_screen() const
{
    return m_blink_screen;
}

void SensorControl::show_blink_screen()
{
    m_settings.insert(QStringLiteral("UseBlinkScreen"), true);
    emit blink_screen_shown(true);
    if (m_blink_screen)
        return;
    m_blink_screen = new BlinkScreen(m_camera, m_settings, m_window);
    connect(m_blink_screen, &BlinkScreen::hide_requested, this, &SensorControl::hide_blink_screen);
    m_blink_screen->update_ui();
    m_blink_screen->show();
}

void SensorControl::hide_blink_screen()
{
    m_settings.insert(QStringLiteral("UseBlinkScreen"), false);
    emit blink_screen_shown(false);
    if (m_camera)
        m_camera->set_preview_on(false);
    if (m_blink_screen)
        m_blink_screen->deleteLater();
    m_blink_screen = nullptr;
}

void SensorControl::update_smart_brightness()
{
    if (flag("SmartBrightness") && m_smart_brightness->update(true) && m_hooks.update_gamma)
        m_hooks.update_gamma();
}

void SensorControl::update_smart_inversion()
{
    if (flag("SmartInversion") && m_smart_inversion->update(true) && m_hooks.update_gamma)
        m_hooks.update_gamma();
}

void SensorControl::use_smart_brightness_changed(bool value)
{
    if (!store("SmartBrightness", value, "use_smart_brightness: "))
        return;
    // On: measured now. Off: the modifier leaves the brightness now.
    if (value)
        update_smart_brightness();
    else if (m_hooks.update_gamma)
        m_hooks.update_gamma();
}

void SensorControl::use_smart_inversion_changed(bool value)
{
    if (store("SmartInversion", value, "use_smart_inversion: ") && value)
        update_smart_inversion();
}

void SensorControl::foreground_title_changed(const QString& title)
{
    m_smart_brightness->set_foreground_title(title);
    m_smart_inversion->set_foreground_title(title);
    bool changed = false;
    if (flag("SmartBrightness"))
        changed |= m_smart_brightness->update(false);
    if (flag("SmartInversion"))
        changed |= m_smart_inversion->update(false);
    if (changed && m_hooks.update_gamma)
        m_hooks.update_gamma();
}

void SensorControl::refresh_color_inversion()
{
    if (m_hooks.refresh_color_inversion)
        m_hooks.refresh_color_inversion();
    emit inverted_colors_changed(flag("UseInvertedColors"));
}

int SensorControl::smart_brightness_modifier() const
{
    return m_smart_brightness->get_smart_brightness_modifier();
}

QJsonObject SensorControl::status() const
{
    const QJsonObject camera{{QStringLiteral("active"), is_camera_active()},
                             {QStringLiteral("capturing"), m_camera && m_camera->is_capturing()},
                             {QStringLiteral("status"), m_camera
                                                            ? m_camera->status_text()
                                                            : QStringLiteral("No camera found")},
                             {QStringLiteral("blinks"), m_camera ? m_camera->blink_count() : 0},
                             {QStringLiteral("brightness_target"),
                              m_camera ? static_cast<int>(m_camera->target_brightness()) : -1}};
    return {{QStringLiteral("camera"), camera},
            {QStringLiteral("smart_brightness"),
             flag("SmartBrightness") ? smart_brightness_modifier() : 0}};
}
