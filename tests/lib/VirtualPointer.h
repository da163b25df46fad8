#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

struct wl_display;
struct wl_registry;
struct zwlr_virtual_pointer_manager_v1;
struct zwlr_virtual_pointer_v1;

// A pointer device for a headless wlroots compositor, which has none: while it lives the seat
// has a pointer, and clicks made here reach the client under the cursor as a mouse's would.
class VirtualPointer
{
public:
    // Connects to the compositor at `socket`; isValid() says whether it offers virtual pointers.
    explicit VirtualPointer(const QString& socket);
    ~VirtualPointer();
    VirtualPointer(const VirtualPointer&) = delete;
    VirtualPointer& operator=(const VirtualPointer&) = delete;

    bool isValid() const { return m_pointer != nullptr; }
    // Moves the cursor to `point` of a layout of `layout` and clicks the first button there;
    // false when the compositor did not take it.
    bool click(const QPoint& point, const QSize& layout);

private:
    friend struct VirtualPointerListener;

    wl_display* m_display = nullptr;
    wl_registry* m_registry = nullptr;
    zwlr_virtual_pointer_manager_v1* m_manager = nullptr;
    zwlr_virtual_pointer_v1* m_pointer = nullptr;
};
