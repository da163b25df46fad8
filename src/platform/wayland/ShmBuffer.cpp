#include "platform/wayland/ShmBuffer.h"

#include "KavoLog.h"

#include <wayland-client.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

struct ShmBufferListener
{
    static void release(void* data, wl_buffer*)
    {
        auto* buffer = static_cast<ShmBuffer*>(data);
        buffer->m_busy = false;
        if (buffer->m_released)
            buffer->m_released();
    }

    static constexpr wl_buffer_listener kListener{&release};
};

namespace {
// A memory file of `bytes` bytes that the compositor can map; -1 when none could be made.
int memoryFile(std::size_t bytes)
{
    const int fd = memfd_create("kavo-layer", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd < 0)
        return -1;
    if (ftruncate(fd, static_cast<off_t>(bytes)) != 0) {
        close(fd);
        return -1;
    }
    // The compositor maps the file: it must not shrink under it.
    fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_SEAL);
    return fd;
}
} // namespace

ShmBuffer::ShmBuffer(wl_shm* shm, const QSize& size)
{
    if (!shm || size.isEmpty())
        return;
    const int stride = size.width() * 4;
    m_bytes = static_cast<std::size_t>(stride) * static_cast<std::size_t>(size.height());
    const int fd = memoryFile(m_bytes);
    void* memory =
        fd < 0 ? MAP_FAILED : mmap(nullptr, m_bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (memory == MAP_FAILED) {
        log_line(QStringLiteral("No shared memory for a %1x%2 layer picture: %3")
                     .arg(size.width())
                     .arg(size.height())
                     .arg(QString::fromLocal8Bit(strerror(errno))));
        if (fd >= 0)
            close(fd);
        return;
    }
    m_memory = memory;
    wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<int32_t>(m_bytes));
    m_buffer = wl_shm_pool_create_buffer(pool, 0, size.width(), size.height(), stride,
                                         WL_SHM_FORMAT_ARGB8888);
    // The buffer keeps the pool's memory: the pool and the file are not needed any more.
    wl_shm_pool_destroy(pool);
    close(fd);
    wl_buffer_add_listener(m_buffer, &ShmBufferListener::kListener, this);
    // wl_shm's ARGB8888 is a little-endian 32-bit word, as Qt's premultiplied ARGB32 on x86 and
    // arm64.
    m_image = QImage(static_cast<uchar*>(m_memory), size.width(), size.height(), stride,
                     QImage::Format_ARGB32_Premultiplied);
}

ShmBuffer::~ShmBuffer()
{
    m_image = QImage();
    if (m_buffer)
        wl_buffer_destroy(m_buffer);
    if (m_memory)
        munmap(m_memory, m_bytes);
}
