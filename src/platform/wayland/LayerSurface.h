#pragma once

#include <QObject>
#include <QSize>

#include <functional>
#include <memory>
#include <vector>

class LayerShell;
class QImage;
class ShmBuffer;
struct wl_callback;
struct wl_output;
struct wl_surface;
struct zwlr_layer_surface_v1;

// One surface on the overlay layer, above every window: it lets every click through (an empty
// input region) and shows pictures drawn into shared memory. The compositor gives its size
// (configure) before the first picture; closed() says it dropped the surface.
class LayerSurface : public QObject
{
    Q_OBJECT

public:
    struct Placement
    {
        wl_output* output = nullptr; // null: the compositor picks one
        const char* role = "kavo";   // the namespace the compositor sees
        QSize size;                  // empty: the whole output
        bool takesKeyboard = false;  // exclusive keyboard while mapped
    };

    LayerSurface(LayerShell& shell, const Placement& placement);
    ~LayerSurface() override;

    wl_output* output() const { return m_output; }
    // The size the compositor gave; empty before the first configure.
    QSize size() const { return m_size; }
    bool isClosed() const { return m_closed; }

    // Draws a picture of size() through `paint` into a free buffer and shows it. false before
    // the first configure, after closed, or while the compositor holds every buffer: then
    // needsPicture() comes when one is free again.
    bool present(const std::function<void(QImage&)>& paint);

signals:
    // The surface wants a (new) picture: its size came or changed, or a buffer came free
    // after a picture was refused.
    void needsPicture();
    // The compositor has the surface's first picture: it is on the screen, and takes the
    // keyboard if it was made to.
    void mapped();
    // The compositor dropped the surface; it shows nothing any more.
    void closed();

private:
    friend struct LayerSurfaceListener;

    void configure(uint32_t serial, const QSize& size);
    void markClosed();
    ShmBuffer* freeBuffer();
    void bufferReleased();
    // Asks the compositor to say when it handled the first picture.
    void awaitMapping();

    LayerShell& m_shell;
    wl_output* m_output;
    wl_surface* m_surface = nullptr;
    zwlr_layer_surface_v1* m_layer = nullptr;
    wl_callback* m_mapping = nullptr;
    std::vector<std::unique_ptr<ShmBuffer>> m_buffers;
    QSize m_size;
    bool m_closed = false;
    bool m_refused = false;
    bool m_mapped = false;
};
