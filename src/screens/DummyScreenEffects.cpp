#include "screens/DummyScreenEffects.h"

#include "platform/Platform.h"
#include "system/SystemKeyboard.h"
#include "system/SystemMouse.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

namespace {
constexpr int kTickMs = 1000;
constexpr int kIdleTicks = 2;

// The monitor at the desktop's origin, or the first one.
QRect primary_monitor()
{
    const QVector<QRect> monitors = Platform::current().displays().monitorGeometries();
    for (const QRect& monitor : monitors) {
        if (monitor.contains(0, 0))
            return monitor;
    }
    return monitors.isEmpty() ? QRect(0, 0, 1920, 1080) : monitors.first();
}
} // namespace

DummyScreenEffects::DummyScreenEffects()
    : OverlayWindow(primary_monitor(), QStringLiteral("DummyScreenEffects")),
      m_label(new QLabel(this)), m_timer(new QTimer(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label->setContentsMargins(0, 0, 0, 0);
    m_label->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
    layout->addWidget(m_label);
    m_timer->setInterval(kTickMs);
    connect(m_timer, &QTimer::timeout, this, &DummyScreenEffects::update_ui);
    report_page_view(QStringLiteral("dummy_screen_effects.html"),
                     QStringLiteral("Dummy screen effects"));
}

DummyScreenEffects::~DummyScreenEffects()
{
    m_effects = ScreenEffectImage();
    refresh_watching();
}

void DummyScreenEffects::set_invert(bool invert)
{
    m_effects.invert = invert;
    refresh_watching();
}

void DummyScreenEffects::set_grey(bool grey)
{
    m_effects.grey = grey;
    refresh_watching();
}

void DummyScreenEffects::set_matrix(std::optional<ColorMatrix> matrix)
{
    m_effects.matrix = std::move(matrix);
    refresh_watching();
}

// Input is watched, and the idle seconds counted, only while there is an effect to show.
void DummyScreenEffects::refresh_watching()
{
    const bool wanted = m_effects.is_active();
    if (!wanted)
        clear_picture();
    if (wanted == m_watching)
        return;
    m_watching = wanted;
    if (SystemKeyboard* keyboard = SystemKeyboard::instance()) {
        keyboard->watch_keys(wanted);
        if (wanted)
            connect(keyboard, &SystemKeyboard::key_pressed, this, &DummyScreenEffects::key_pressed);
        else
            disconnect(keyboard, nullptr, this, nullptr);
    }
    if (SystemMouse* mouse = SystemMouse::instance()) {
        mouse->watch(wanted);
        if (wanted) {
            for (auto signal :
                 {&SystemMouse::mouse_move_event, &SystemMouse::mouse_left_button_down_event,
                  &SystemMouse::mouse_right_button_down_event, &SystemMouse::mouse_wheel_event})
                connect(mouse, signal, this, &DummyScreenEffects::mouse_event);
        } else {
            disconnect(mouse, nullptr, this, nullptr);
        }
    }
    m_idle_count = 0;
    if (wanted)
        m_timer->start();
    else
        m_timer->stop();
}

void DummyScreenEffects::update_ui()
{
    ++m_idle_count;
    if (m_idle_count != kIdleTicks || !m_effects.is_active())
        return;
    capture();
    if (m_screenshot.isNull())
        return;
    m_label->setPixmap(m_screenshot);
    show_over_desktop();
    fast_refresh();
}

void DummyScreenEffects::fast_refresh()
{
    raise();
    repaint();
    update();
}

void DummyScreenEffects::capture()
{
    const QRect area = primary_monitor();
    if (geometry() != area) {
        move(area.topLeft());
        setFixedSize(area.size());
    }
    const QImage picture = Platform::current().screenCapture().grab(area);
    // A failed grab shows nothing.
    m_screenshot = picture.isNull() ? QPixmap() : QPixmap::fromImage(m_effects.processed(picture));
    report_opacity(m_screenshot.isNull() ? 0.0 : 1.0);
}

// The desktop shows again at once. The window goes too: without a compositing manager an empty
// translucent window would be drawn black.
void DummyScreenEffects::clear_picture()
{
    m_label->clear();
    m_screenshot = QPixmap();
    report_opacity(0.0);
    hide();
}

void DummyScreenEffects::key_pressed(DWORD, DWORD)
{
    m_idle_count = 0;
    if (is_showing_picture())
        clear_picture();
}

void DummyScreenEffects::mouse_event(MSLLHOOKSTRUCT*)
{
    m_idle_count = 0;
    if (is_showing_picture())
        clear_picture();
}
