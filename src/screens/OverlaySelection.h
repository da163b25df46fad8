#pragma once

#include "platform/Win32Types.h"

#include <QObject>
#include <QPoint>
#include <QRect>

class QHotkey;
class QTimer;
class SystemMouse;

// Dragging out the area of the screen that the overlays leave clear, shared by every overlay
// window. While it runs the mouse's buttons reach no other program: the press marks one corner,
// the release the other. Escape cancels it, and so does a minute without a press, so that it
// never holds the mouse for good.
class OverlaySelection : public QObject
{
    Q_OBJECT

public:
    explicit OverlaySelection(SystemMouse& mouse, QObject* parent = nullptr);
    ~OverlaySelection() override;

    // Starts a selection (again, when one runs); true.
    bool begin();
    // Ends a running selection without an area.
    void cancel();

    bool is_selecting() const { return m_selecting; }
    QPoint start_point() const { return m_start; }
    QPoint end_point() const { return m_end; }

    static constexpr int kPreviewIntervalMs = 100;
    static constexpr int kNoPressTimeoutMs = 60000;

signals:
    // The area between the press and the pointer, at most once per kPreviewIntervalMs.
    void preview(const QRect& area);
    // The button came up: the two corners (equal for a click without a move).
    void selected(const QPoint& start, const QPoint& end);
    // The selection ended without an area.
    void cancelled();

private:
    void mouse_pressed(MSLLHOOKSTRUCT* mouseInfo);
    void mouse_moved(MSLLHOOKSTRUCT* mouseInfo);
    void mouse_released(MSLLHOOKSTRUCT* mouseInfo);
    void send_preview();
    void stop();

    SystemMouse& m_mouse;
    QHotkey* m_escape;
    QTimer* m_preview_timer;
    QTimer* m_timeout;
    bool m_selecting = false;
    QPoint m_start;
    QPoint m_current;
    QPoint m_end;
};
