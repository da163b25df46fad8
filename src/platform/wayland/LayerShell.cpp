#include "platform/wayland/LayerShell.h"

#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandDisplays.h"
#include "platform/wayland/WaylandGlobals.h"

#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#include <wayland-client.h>

namespace {
constexpr uint32_t kCompositorVersion = 4; // 4 brings damage in buffer coordinates
constexpr uint32_t kLayerShellVersion = 4;
} // namespace

std::unique_ptr<LayerShell> LayerShell::create(const WaylandGlobals& globals,
                                               WaylandDisplays& displays)
{
    if (!globals.connection() || !globals.offers(zwlr_layer_shell_v1_interface.name) ||
        !globals.offers(wl_compositor_interface.name) || !globals.offers(wl_shm_interface.name))
        return nullptr;
    return std::unique_ptr<LayerShell>(new LayerShell(globals, displays));
}

LayerShell::LayerShell(const WaylandGlobals& globals, WaylandDisplays& displays)
    : m_connection(*globals.connection()), m_globals(globals), m_displays(displays)
{
}

LayerShell::~LayerShell()
{
    if (m_shell) {
        if (zwlr_layer_shell_v1_get_version(m_shell) >= ZWLR_LAYER_SHELL_V1_DESTROY_SINCE_VERSION)
            zwlr_layer_shell_v1_destroy(m_shell);
        else
            wl_proxy_destroy(reinterpret_cast<wl_proxy*>(m_shell));
    }
    if (m_shm)
        wl_shm_destroy(m_shm);
    if (m_compositor)
        wl_compositor_destroy(m_compositor);
    m_connection.flush();
}

QVector<LayerShell::Output> LayerShell::outputs() const
{
    QVector<Output> outputs;
    const QVector<QRect> geometries = m_displays.monitorGeometries();
    for (int i = 0; i < geometries.size(); ++i)
        outputs.append(
            {m_displays.outputObject(i), m_displays.monitorIdentity(i).output, geometries.at(i)});
    return outputs;
}

DisplayEvents& LayerShell::outputEvents() const
{
    return m_displays.events();
}

wl_compositor* LayerShell::compositor()
{
    if (!m_compositor)
        m_compositor = static_cast<wl_compositor*>(
            m_globals.bind(wl_compositor_interface, kCompositorVersion));
    return m_compositor;
}

wl_shm* LayerShell::shm()
{
    if (!m_shm)
        m_shm = static_cast<wl_shm*>(m_globals.bind(wl_shm_interface, 1));
    return m_shm;
}

zwlr_layer_shell_v1* LayerShell::shell()
{
    if (!m_shell)
        m_shell = static_cast<zwlr_layer_shell_v1*>(
            m_globals.bind(zwlr_layer_shell_v1_interface, kLayerShellVersion));
    return m_shell;
}
