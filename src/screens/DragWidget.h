#pragma once

#include <QWidget>

#include <functional>

// The invisible strip over the main window's header by which the frameless window is dragged.
class DragWidget : public QWidget
{
    Q_OBJECT

public:
    // `limit_steps` tells whether each move step is limited to 10 pixels in each direction.
    explicit DragWidget(QWidget* parent, std::function<bool()> limit_steps = {});

    bool is_dragging() const { return m_dragging; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPoint step_for(const QPoint& position) const;

    int m_x = 0;
    int m_y = 0;
    bool m_dragging = false;
    std::function<bool()> m_limit_steps;
};
