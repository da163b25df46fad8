#pragma once

#include <QObject>
#include <QRect>

#include <memory>
#include <vector>

class LayerShell;
class LayerSurface;
class QWidget;
struct wl_output;

// Shows one of Kavo's top-level windows on the overlay layer instead of as a window: Qt keeps
// the window to itself (it is never mapped), and each output the window covers gets a layer
// surface with the part of the window that lies on it, redrawn whenever the window asks for a
// repaint, never on a timer. Showing, hiding and moving the window place, drop and move the
// surfaces; the mirror ends with the window, whose child it is.
class LayerMirror : public QObject
{
    Q_OBJECT

public:
    LayerMirror(LayerShell& shell, QWidget& window);
    ~LayerMirror() override;

    // How many surfaces show the window now.
    int surfaceCount() const { return static_cast<int>(m_parts.size()); }

signals:
    // A picture of the window went to the compositor.
    void pictureShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One output's share of the window: its surface, and the geometry of the Qt screen that
    // the output shows, in Qt's coordinates.
    struct Part
    {
        std::unique_ptr<LayerSurface> surface;
        QRect screen;
    };

    // One surface on each output the shown window covers; none while it is hidden.
    void placeSurfaces();
    void addSurface(wl_output* output, const QRect& screen);
    void dropSurface(LayerSurface* surface);
    // Draws the window again once the events queued now are handled.
    void requestPictures();
    void drawAll();
    void draw(Part& part);
    Part* partOf(const LayerSurface* surface);

    LayerShell& m_shell;
    QWidget& m_window;
    std::vector<Part> m_parts;
    bool m_drawQueued = false;
};
