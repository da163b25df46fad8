#include "platform/wayland/WlrToplevels.h"

#include "platform/wayland/ToplevelWindows.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandGlobals.h"

#include <wayland-client.h>

#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

#include <algorithm>

namespace {
constexpr uint32_t kManagerVersion = 3; // 2 brought the full-screen state, 3 the parent
} // namespace

struct WlrToplevels::Handle
{
    WlrToplevels* owner = nullptr;
    zwlr_foreign_toplevel_handle_v1* proxy = nullptr;
    quint64 id = 0;
    ToplevelWindows::Toplevel pending;

    ~Handle() { zwlr_foreign_toplevel_handle_v1_destroy(proxy); }
};

struct WlrToplevelListeners
{
    using Handle = WlrToplevels::Handle;

    static Handle& of(void* data) { return *static_cast<Handle*>(data); }

    static void title(void* data, zwlr_foreign_toplevel_handle_v1*, const char* text)
    {
        of(data).pending.title = QString::fromUtf8(text);
    }
    static void appId(void* data, zwlr_foreign_toplevel_handle_v1*, const char* text)
    {
        of(data).pending.appId = QString::fromUtf8(text);
    }
    static void outputEnter(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
    static void outputLeave(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
    static void state(void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* states)
    {
        ToplevelWindows::Toplevel& toplevel = of(data).pending;
        toplevel.activated = toplevel.fullScreen = toplevel.minimized = false;
        const auto* begin = static_cast<const uint32_t*>(states->data);
        const auto* end = begin + states->size / sizeof(uint32_t);
        for (const uint32_t* it = begin; it != end; ++it) {
            toplevel.activated |= *it == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;
            toplevel.fullScreen |= *it == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_FULLSCREEN;
            toplevel.minimized |= *it == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_MINIMIZED;
        }
    }
    static void done(void* data, zwlr_foreign_toplevel_handle_v1*)
    {
        Handle& handle = of(data);
        handle.owner->m_windows.update(handle.id, handle.pending);
        handle.owner->m_windows.done();
    }
    static void closed(void* data, zwlr_foreign_toplevel_handle_v1*)
    {
        Handle& handle = of(data);
        handle.owner->close(&handle);
    }
    static void parent(void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {}

    static void toplevel(void* data, zwlr_foreign_toplevel_manager_v1*,
                         zwlr_foreign_toplevel_handle_v1* handle)
    {
        static_cast<WlrToplevels*>(data)->add(handle);
    }
    static void finished(void* data, zwlr_foreign_toplevel_manager_v1* manager)
    {
        auto* self = static_cast<WlrToplevels*>(data);
        zwlr_foreign_toplevel_manager_v1_destroy(manager);
        if (self->m_manager == manager)
            self->m_manager = nullptr;
    }

    static constexpr zwlr_foreign_toplevel_handle_v1_listener kHandle{
        &title, &appId, &outputEnter, &outputLeave, &state, &done, &closed, &parent};
    static constexpr zwlr_foreign_toplevel_manager_v1_listener kManager{&toplevel, &finished};
};

std::unique_ptr<WlrToplevels> WlrToplevels::create(const WaylandGlobals& globals,
                                                   ToplevelWindows& windows)
{
    if (!globals.offers("zwlr_foreign_toplevel_manager_v1"))
        return nullptr;
    return std::unique_ptr<WlrToplevels>(new WlrToplevels(globals, windows));
}

WlrToplevels::WlrToplevels(const WaylandGlobals& globals, ToplevelWindows& windows)
    : m_globals(globals), m_windows(windows)
{
}

WlrToplevels::~WlrToplevels()
{
    setWatching(false);
}

void WlrToplevels::setWatching(bool on)
{
    if (on == (m_manager != nullptr))
        return;
    if (on) {
        m_manager = static_cast<zwlr_foreign_toplevel_manager_v1*>(
            m_globals.bind(zwlr_foreign_toplevel_manager_v1_interface, kManagerVersion));
        if (m_manager)
            zwlr_foreign_toplevel_manager_v1_add_listener(m_manager,
                                                          &WlrToplevelListeners::kManager, this);
    } else {
        // The proxy goes at once: whatever the compositor still sends it is dropped.
        zwlr_foreign_toplevel_manager_v1_stop(m_manager);
        zwlr_foreign_toplevel_manager_v1_destroy(m_manager);
        m_manager = nullptr;
        m_handles.clear();
    }
    m_globals.connection()->flush();
}

void WlrToplevels::add(zwlr_foreign_toplevel_handle_v1* proxy)
{
    auto handle = std::make_unique<Handle>();
    handle->owner = this;
    handle->proxy = proxy;
    handle->id = m_nextId++;
    zwlr_foreign_toplevel_handle_v1_add_listener(proxy, &WlrToplevelListeners::kHandle,
                                                 handle.get());
    m_handles.push_back(std::move(handle));
}

void WlrToplevels::close(Handle* handle)
{
    m_windows.remove(handle->id);
    m_windows.done();
    m_handles.erase(std::remove_if(m_handles.begin(), m_handles.end(),
                                   [handle](const auto& held) { return held.get() == handle; }),
                    m_handles.end());
}
