#include "screens/DragWidget.h"

#include <QMouseEvent>

#include <algorithm>

namespace {
// With per-monitor gamma ramps a window that jumps across monitors makes the colours flicker.
constexpr int kLimitedStep = 10;
} // namespace

DragWidget::DragWidget(QWidget* parent, std::function<bool()> limit_steps)
    : QWidget(parent), m_limit_steps(std::move(limit_steps))
{
}

void DragWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_x = event->pos().x();
    m_y = event->pos().y();
    m_dragging = true;
}

void DragWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

void DragWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    QWidget* top = window();
    top->move(top->pos() + step_for(event->pos()));
}

QPoint DragWidget::step_for(const QPoint& position) const
{
    QPoint step(position.x() - m_x, position.y() - m_y);
    if (m_limit_steps && m_limit_steps()) {
        step.setX(std::clamp(step.x(), -kLimitedStep, kLimitedStep));
        step.setY(std::clamp(step.y(), -kLimitedStep, kLimitedStep));
    }
    return step;
}
