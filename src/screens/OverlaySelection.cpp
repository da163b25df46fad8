#include "screens/OverlaySelection.h"

#include "KavoLog.h"
#include "platform/QHotkey.h"
#include "screens/OverlayLayout.h"
#include "system/SystemMouse.h"

#include <QTimer>

namespace {
QPoint position(const MSLLHOOKSTRUCT* info)
{
    return QPoint(static_cast<int>(info->pt.x), static_cast<int>(info->pt.y));
}
} // namespace

OverlaySelection::OverlaySelection(SystemMouse& mouse, QObject* parent)
    : QObject(parent), m_mouse(mouse),
      m_escape(new QHotkey(QKeySequence(Qt::Key_Escape), false, this)),
      m_preview_timer(new QTimer(this)), m_timeout(new QTimer(this))
{
    connect(m_escape, &QHotkey::activated, this, &OverlaySelection::cancel);
    m_preview_timer->setSingleShot(true);
    m_preview_timer->setInterval(kPreviewIntervalMs);
    connect(m_preview_timer, &QTimer::timeout, this, &OverlaySelection::send_preview);
    m_timeout->setSingleShot(true);
    m_timeout->setInterval(kNoPressTimeoutMs);
    connect(m_timeout, &QTimer::timeout, this, &OverlaySelection::cancel);
}

OverlaySelection::~OverlaySelection()
{
    stop();
}

bool OverlaySelection::begin()
{
    stop();
    m_start = m_current = m_end = QPoint();
    m_selecting = true;
    connect(&m_mouse, &SystemMouse::mouse_left_button_down_event, this,
            &OverlaySelection::mouse_pressed);
    connect(&m_mouse, &SystemMouse::mouse_move_event, this, &OverlaySelection::mouse_moved);
    connect(&m_mouse, &SystemMouse::mouse_left_button_up_event, this,
            &OverlaySelection::mouse_released);
    m_mouse.watch(true);
    m_mouse.set_every_move(true);
    m_mouse.grab_buttons(true);
    if (!m_escape->setRegistered(true))
        log_line(QStringLiteral("Escape cannot cancel the area selection: ") + m_escape->error());
    m_timeout->start();
    return true;
}

void OverlaySelection::stop()
{
    if (!m_selecting)
        return;
    m_selecting = false;
    disconnect(&m_mouse, nullptr, this, nullptr);
    m_mouse.grab_buttons(false);
    m_mouse.set_every_move(false);
    m_mouse.watch(false);
    m_escape->setRegistered(false);
    m_preview_timer->stop();
    m_timeout->stop();
}

void OverlaySelection::cancel()
{
    if (!m_selecting)
        return;
    stop();
    m_start = m_current = m_end = QPoint();
    emit cancelled();
}

void OverlaySelection::mouse_pressed(MSLLHOOKSTRUCT* mouseInfo)
{
    m_start = m_current = position(mouseInfo);
    m_timeout->stop();
}

void OverlaySelection::mouse_moved(MSLLHOOKSTRUCT* mouseInfo)
{
    if (!OverlayLayout::is_set(m_start))
        return;
    m_current = position(mouseInfo);
    if (!m_preview_timer->isActive())
        m_preview_timer->start();
}

void OverlaySelection::send_preview()
{
    if (!m_selecting || !OverlayLayout::is_set(m_start))
        return;
    const QRect area = OverlayLayout::spanned(m_start, m_current);
    if (!area.isEmpty())
        emit preview(area);
}

void OverlaySelection::mouse_released(MSLLHOOKSTRUCT* mouseInfo)
{
    // A release without a press of this selection (the button was down when it began).
    if (!OverlayLayout::is_set(m_start))
        return;
    m_end = position(mouseInfo);
    stop();
    const QPoint start = m_start;
    const QPoint end = m_end;
    m_start = m_current = m_end = QPoint();
    emit selected(start, end);
}
