#include "platform/wayland/LayerSurface.h"

#include "platform/wayland/LayerShell.h"
#include "platform/wayland/ShmBuffer.h"
#include "platform/wayland/WaylandConnection.h"

#include <QImage>

#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#include <wayland-client.h>

#include <algorithm>
#include <climits>

namespace {
// Two pictures can be in the compositor's hands while a third is drawn.
constexpr std::size_t kMostBuffers = 3;
constexpr uint32_t kAllEdges =
    ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
    ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;
constexpr uint32_t kTopLeft = ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT;
} // namespace

struct LayerSurfaceListener
{
    static void configure(void* data, zwlr_layer_surface_v1*, uint32_t serial, uint32_t width,
                          uint32_t height)
    {
        const QSize size(static_cast<int>(std::min<uint32_t>(width, INT_MAX)),
                         static_cast<int>(std::min<uint32_t>(height, INT_MAX)));
        static_cast<LayerSurface*>(data)->configure(serial, size);
    }
    static void closed(void* data, zwlr_layer_surface_v1*)
    {
        static_cast<LayerSurface*>(data)->markClosed();
    }

    static void synced(void* data, wl_callback* callback, uint32_t)
    {
        auto* surface = static_cast<LayerSurface*>(data);
        wl_callback_destroy(callback);
        surface->m_mapping = nullptr;
        surface->m_mapped = true;
        emit surface->mapped();
    }

    static constexpr zwlr_layer_surface_v1_listener kListener{&configure, &closed};
    static constexpr wl_callback_listener kSync{&synced};
};

LayerSurface::LayerSurface(LayerShell& shell, const Placement& placement)
    : m_shell(shell), m_output(placement.output)
{
    wl_compositor* compositor = shell.compositor();
    zwlr_layer_shell_v1* layers = shell.shell();
    if (!compositor || !layers || !shell.shm()) {
        m_closed = true;
        return;
    }
    m_surface = wl_compositor_create_surface(compositor);
    // An empty input region: every click goes to the windows beneath.
    wl_region* nothing = wl_compositor_create_region(compositor);
    wl_surface_set_input_region(m_surface, nothing);
    wl_region_destroy(nothing);

    m_layer = zwlr_layer_shell_v1_get_layer_surface(
        layers, m_surface, placement.output, ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, placement.role);
    zwlr_layer_surface_v1_add_listener(m_layer, &LayerSurfaceListener::kListener, this);
    if (placement.size.isEmpty()) {
        zwlr_layer_surface_v1_set_anchor(m_layer, kAllEdges);
        zwlr_layer_surface_v1_set_size(m_layer, 0, 0);
    } else {
        zwlr_layer_surface_v1_set_anchor(m_layer, kTopLeft);
        zwlr_layer_surface_v1_set_size(m_layer, static_cast<uint32_t>(placement.size.width()),
                                       static_cast<uint32_t>(placement.size.height()));
    }
    // Nothing else moves aside for the surface.
    zwlr_layer_surface_v1_set_exclusive_zone(m_layer, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        m_layer, placement.takesKeyboard ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE
                                         : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
    // The first commit carries no buffer: the compositor answers with the size.
    wl_surface_commit(m_surface);
    m_shell.connection().flush();
}

LayerSurface::~LayerSurface()
{
    if (m_mapping)
        wl_callback_destroy(m_mapping);
    if (m_layer)
        zwlr_layer_surface_v1_destroy(m_layer);
    if (m_surface)
        wl_surface_destroy(m_surface);
    m_buffers.clear();
    m_shell.connection().flush();
}

void LayerSurface::configure(uint32_t serial, const QSize& size)
{
    zwlr_layer_surface_v1_ack_configure(m_layer, serial);
    const bool changed = size != m_size;
    m_size = size;
    if (changed || m_refused)
        emit needsPicture();
    // An acked configure that asks for no new picture takes a commit all the same.
    if (!changed && !m_refused)
        wl_surface_commit(m_surface);
    m_shell.connection().flush();
}

void LayerSurface::markClosed()
{
    if (m_closed)
        return;
    m_closed = true;
    emit closed();
}

ShmBuffer* LayerSurface::freeBuffer()
{
    // Pictures of an old size are of no use any more.
    m_buffers.erase(std::remove_if(m_buffers.begin(), m_buffers.end(),
                                   [this](const auto& buffer) {
                                       return !buffer->isBusy() && buffer->size() != m_size;
                                   }),
                    m_buffers.end());
    for (const auto& buffer : m_buffers)
        if (!buffer->isBusy())
            return buffer.get();
    if (m_buffers.size() >= kMostBuffers)
        return nullptr;
    auto buffer = std::make_unique<ShmBuffer>(m_shell.shm(), m_size);
    if (buffer->isNull())
        return nullptr;
    buffer->onRelease([this] { bufferReleased(); });
    m_buffers.push_back(std::move(buffer));
    return m_buffers.back().get();
}

void LayerSurface::bufferReleased()
{
    if (!m_refused)
        return;
    m_refused = false;
    emit needsPicture();
}

bool LayerSurface::present(const std::function<void(QImage&)>& paint)
{
    if (m_closed || m_size.isEmpty())
        return false;
    ShmBuffer* buffer = freeBuffer();
    if (!buffer) {
        m_refused = true;
        return false;
    }
    paint(buffer->image());
    wl_surface_attach(m_surface, buffer->buffer(), 0, 0);
    wl_surface_damage(m_surface, 0, 0, m_size.width(), m_size.height());
    wl_surface_commit(m_surface);
    buffer->markBusy();
    awaitMapping();
    m_shell.connection().flush();
    return true;
}

void LayerSurface::awaitMapping()
{
    if (m_mapped || m_mapping)
        return;
    // The compositor handles requests in order: its answer to the sync comes after it took the
    // commit that mapped the surface.
    m_mapping = wl_display_sync(m_shell.connection().display());
    wl_callback_add_listener(m_mapping, &LayerSurfaceListener::kSync, this);
}
