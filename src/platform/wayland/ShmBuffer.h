#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>
#include <functional>

struct wl_buffer;
struct wl_shm;

// One picture shared with the compositor: premultiplied ARGB in a memory file that both map
// (wl_shm's ARGB8888). Kavo draws into image() while the buffer is free; from attach until
// the compositor releases it, the buffer is busy and must not be drawn into.
class ShmBuffer
{
public:
    // A buffer of `size`; null (isNull()) when no memory could be had.
    ShmBuffer(wl_shm* shm, const QSize& size);
    ~ShmBuffer();
    ShmBuffer(const ShmBuffer&) = delete;
    ShmBuffer& operator=(const ShmBuffer&) = delete;

    bool isNull() const { return m_buffer == nullptr; }
    QSize size() const { return m_image.size(); }
    wl_buffer* buffer() const { return m_buffer; }
    // The pixels, drawn straight into the shared memory.
    QImage& image() { return m_image; }

    bool isBusy() const { return m_busy; }
    // The compositor holds the buffer until it sends release.
    void markBusy() { m_busy = true; }
    // Called each time the compositor lets go of the buffer.
    void onRelease(std::function<void()> released) { m_released = std::move(released); }

private:
    friend struct ShmBufferListener;

    wl_buffer* m_buffer = nullptr;
    void* m_memory = nullptr;
    std::size_t m_bytes = 0;
    QImage m_image;
    bool m_busy = false;
    std::function<void()> m_released;
};
