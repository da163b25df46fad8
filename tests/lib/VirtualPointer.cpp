#include "VirtualPointer.h"

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"
#include <wayland-client.h>

#include <cstring>

namespace {
constexpr uint32_t kLeftButton = 0x110; // BTN_LEFT
} // namespace

struct VirtualPointerListener
{
    static void global(void* data, wl_registry* registry, uint32_t name, const char* interface,
                       uint32_t)
    {
        auto* pointer = static_cast<VirtualPointer*>(data);
        if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
            pointer->m_manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
                wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    }
    static void globalRemove(void*, wl_registry*, uint32_t) {}

    static constexpr wl_registry_listener kRegistry{&global, &globalRemove};
};

VirtualPointer::VirtualPointer(const QString& socket)
{
    m_display = wl_display_connect(socket.toLocal8Bit().constData());
    if (!m_display)
        return;
    m_registry = wl_display_get_registry(m_display);
    wl_registry_add_listener(m_registry, &VirtualPointerListener::kRegistry, this);
    wl_display_roundtrip(m_display);
    if (!m_manager)
        return;
    m_pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(m_manager, nullptr);
    wl_display_roundtrip(m_display);
}

VirtualPointer::~VirtualPointer()
{
    if (!m_display)
        return;
    if (m_pointer)
        zwlr_virtual_pointer_v1_destroy(m_pointer);
    if (m_manager)
        zwlr_virtual_pointer_manager_v1_destroy(m_manager);
    wl_registry_destroy(m_registry);
    wl_display_roundtrip(m_display);
    wl_display_disconnect(m_display);
}

bool VirtualPointer::click(const QPoint& point, const QSize& layout)
{
    if (!m_pointer)
        return false;
    zwlr_virtual_pointer_v1_motion_absolute(m_pointer, 0, uint32_t(point.x()), uint32_t(point.y()),
                                            uint32_t(layout.width()), uint32_t(layout.height()));
    zwlr_virtual_pointer_v1_frame(m_pointer);
    for (const uint32_t state :
         {WL_POINTER_BUTTON_STATE_PRESSED, WL_POINTER_BUTTON_STATE_RELEASED}) {
        zwlr_virtual_pointer_v1_button(m_pointer, 0, kLeftButton, state);
        zwlr_virtual_pointer_v1_frame(m_pointer);
    }
    return wl_display_roundtrip(m_display) >= 0;
}
