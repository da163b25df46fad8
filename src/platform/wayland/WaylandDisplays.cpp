#include "platform/wayland/WaylandDisplays.h"

#include "KavoLog.h"
#include "platform/GammaTable.h"
#include "platform/wayland/WaylandConnection.h"

#include <QRect>

#include "wlr-gamma-control-unstable-v1-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"
#include <wayland-client.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace {
constexpr uint32_t kOutputVersion = 4; // 4 brings the output's name
constexpr uint32_t kXdgOutputVersion = 3;
const char* const kRefused = "the compositor refused gamma control: the output has no gamma, or "
                             "another program holds it";
} // namespace

struct WaylandDisplays::Output
{
    WaylandDisplays* owner = nullptr;
    uint32_t global = 0;
    wl_output* output = nullptr;
    zxdg_output_v1* xdgOutput = nullptr;
    zwlr_gamma_control_v1* control = nullptr;
    QString name;
    QPoint position;
    QSize modeSize;
    QRect logical;      // from xdg-output, where the compositor offers it
    bool ready = false; // the first description is complete
    int gammaSize = 0;  // 0: no table size (yet)
    bool failed = false;
    bool failureLogged = false;

    QRect geometry() const { return logical.isValid() ? logical : QRect(position, modeSize); }
    QString label() const
    {
        return name.isEmpty() ? QStringLiteral("wl_output %1").arg(global) : name;
    }
};

// The protocol's callbacks, which hand each event to the object it belongs to.
struct WaylandListeners
{
    using Output = WaylandDisplays::Output;

    static void global(void* data, wl_registry* registry, uint32_t name, const char* interface,
                       uint32_t version)
    {
        static_cast<WaylandDisplays*>(data)->bindGlobal(registry, name, interface, version);
    }
    static void globalRemove(void* data, wl_registry*, uint32_t name)
    {
        static_cast<WaylandDisplays*>(data)->removeGlobal(name);
    }

    static void geometry(void* data, wl_output*, int32_t x, int32_t y, int32_t, int32_t, int32_t,
                         const char*, const char*, int32_t)
    {
        static_cast<Output*>(data)->position = QPoint(x, y);
    }
    static void mode(void* data, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t)
    {
        if (flags & WL_OUTPUT_MODE_CURRENT)
            static_cast<Output*>(data)->modeSize = QSize(width, height);
    }
    static void done(void* data, wl_output*)
    {
        auto* output = static_cast<Output*>(data);
        const bool first = !output->ready;
        output->ready = true;
        if (first)
            output->owner->announceChange();
    }
    static void scale(void*, wl_output*, int32_t) {}
    static void name(void* data, wl_output*, const char* name)
    {
        static_cast<Output*>(data)->name = QString::fromUtf8(name);
    }
    static void description(void*, wl_output*, const char*) {}

    static void logicalPosition(void* data, zxdg_output_v1*, int32_t x, int32_t y)
    {
        auto* output = static_cast<Output*>(data);
        output->logical.moveTopLeft(QPoint(x, y));
    }
    static void logicalSize(void* data, zxdg_output_v1*, int32_t width, int32_t height)
    {
        static_cast<Output*>(data)->logical.setSize(QSize(width, height));
    }
    static void xdgDone(void*, zxdg_output_v1*) {}
    static void xdgName(void* data, zxdg_output_v1*, const char* name)
    {
        auto* output = static_cast<Output*>(data);
        if (output->name.isEmpty())
            output->name = QString::fromUtf8(name);
    }
    static void xdgDescription(void*, zxdg_output_v1*, const char*) {}

    static void gammaSize(void* data, zwlr_gamma_control_v1*, uint32_t size)
    {
        auto* output = static_cast<Output*>(data);
        output->gammaSize = static_cast<int>(std::min<uint32_t>(size, 65536));
        output->failed = false;
        output->failureLogged = false;
        // The monitor can take colours now: whoever keeps them puts them on again.
        output->owner->announceChange();
    }
    static void failed(void* data, zwlr_gamma_control_v1*)
    {
        auto* output = static_cast<Output*>(data);
        const bool hadGamma = output->gammaSize > 0;
        output->owner->dropGammaControl(*output);
        output->failed = true;
        if (!output->failureLogged) {
            output->failureLogged = true;
            log_line(QStringLiteral("Gamma control on %1 failed: %2")
                         .arg(output->label(), QLatin1String(kRefused)));
        }
        if (hadGamma)
            output->owner->announceChange();
    }

    static constexpr wl_registry_listener kRegistry{&global, &globalRemove};
    static constexpr wl_output_listener kOutput{&geometry, &mode, &done,
                                                &scale,    &name, &description};
    static constexpr zxdg_output_v1_listener kXdgOutput{&logicalPosition, &logicalSize, &xdgDone,
                                                        &xdgName, &xdgDescription};
    static constexpr zwlr_gamma_control_v1_listener kGamma{&gammaSize, &failed};
};

WaylandDisplays::WaylandDisplays(WaylandConnection* connection, const QString& problem)
    : m_connection(connection), m_problem(problem)
{
    if (!m_connection)
        return;
    m_registry = wl_display_get_registry(m_connection->display());
    wl_registry_add_listener(m_registry, &WaylandListeners::kRegistry, this);
    // The globals, then what each output and its control say about themselves.
    m_connection->roundtrip();
    for (const auto& output : m_outputs)
        completeOutput(*output);
    m_connection->roundtrip();
    // What the first answers described is the start, not a change.
    m_starting = false;
}

WaylandDisplays::~WaylandDisplays()
{
    for (const auto& output : m_outputs) {
        dropGammaControl(*output);
        if (output->xdgOutput)
            zxdg_output_v1_destroy(output->xdgOutput);
        wl_output_destroy(output->output);
    }
    if (m_gammaManager)
        zwlr_gamma_control_manager_v1_destroy(m_gammaManager);
    if (m_xdgOutputManager)
        zxdg_output_manager_v1_destroy(m_xdgOutputManager);
    if (m_registry)
        wl_registry_destroy(m_registry);
    if (m_connection)
        m_connection->flush();
}

void WaylandDisplays::bindGlobal(wl_registry* registry, uint32_t name, const char* interface,
                                 uint32_t version)
{
    if (std::strcmp(interface, wl_output_interface.name) == 0) {
        addOutput(registry, name, version);
    } else if (std::strcmp(interface, zwlr_gamma_control_manager_v1_interface.name) == 0 &&
               !m_gammaManager) {
        m_gammaManager = static_cast<zwlr_gamma_control_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_gamma_control_manager_v1_interface, 1));
    } else if (std::strcmp(interface, zxdg_output_manager_v1_interface.name) == 0 &&
               !m_xdgOutputManager) {
        m_xdgOutputManager = static_cast<zxdg_output_manager_v1*>(
            wl_registry_bind(registry, name, &zxdg_output_manager_v1_interface,
                             std::min(version, kXdgOutputVersion)));
    }
}

void WaylandDisplays::addOutput(wl_registry* registry, uint32_t name, uint32_t version)
{
    auto output = std::make_unique<Output>();
    output->owner = this;
    output->global = name;
    output->output = static_cast<wl_output*>(
        wl_registry_bind(registry, name, &wl_output_interface, std::min(version, kOutputVersion)));
    wl_output_add_listener(output->output, &WaylandListeners::kOutput, output.get());
    // Before version 2 an output never says it is done describing itself.
    output->ready = version < 2;
    completeOutput(*output);
    m_outputs.push_back(std::move(output));
    retryFailedControls();
    m_connection->flush();
}

void WaylandDisplays::completeOutput(Output& output)
{
    if (m_xdgOutputManager && !output.xdgOutput) {
        output.xdgOutput = zxdg_output_manager_v1_get_xdg_output(m_xdgOutputManager, output.output);
        zxdg_output_v1_add_listener(output.xdgOutput, &WaylandListeners::kXdgOutput, &output);
    }
    if (m_gammaManager && !output.control && !output.failed)
        requestGammaControl(output);
}

void WaylandDisplays::requestGammaControl(Output& output)
{
    output.control = zwlr_gamma_control_manager_v1_get_gamma_control(m_gammaManager, output.output);
    zwlr_gamma_control_v1_add_listener(output.control, &WaylandListeners::kGamma, &output);
}

void WaylandDisplays::dropGammaControl(Output& output)
{
    if (output.control)
        zwlr_gamma_control_v1_destroy(output.control);
    output.control = nullptr;
    output.gammaSize = 0;
}

void WaylandDisplays::retryFailedControls()
{
    if (!m_gammaManager)
        return;
    for (const auto& output : m_outputs) {
        if (output->failed && !output->control)
            requestGammaControl(*output);
    }
}

void WaylandDisplays::removeGlobal(uint32_t name)
{
    const auto found = std::find_if(m_outputs.begin(), m_outputs.end(),
                                    [name](const auto& output) { return output->global == name; });
    if (found == m_outputs.end())
        return;
    const bool shown = (*found)->ready;
    dropGammaControl(**found);
    if ((*found)->xdgOutput)
        zxdg_output_v1_destroy((*found)->xdgOutput);
    wl_output_destroy((*found)->output);
    m_outputs.erase(found);
    retryFailedControls();
    m_connection->flush();
    if (shown)
        announceChange();
}

void WaylandDisplays::announceChange()
{
    if (!m_starting)
        announceMonitorsChanged();
}

const WaylandDisplays::Output* WaylandDisplays::outputAt(int index) const
{
    int shown = 0;
    for (const auto& output : m_outputs) {
        if (!output->ready)
            continue;
        if (shown++ == index)
            return output.get();
    }
    return nullptr;
}

int WaylandDisplays::monitorCount() const
{
    return static_cast<int>(std::count_if(m_outputs.begin(), m_outputs.end(),
                                          [](const auto& output) { return output->ready; }));
}

QVector<QRect> WaylandDisplays::monitorGeometries() const
{
    QVector<QRect> monitors;
    for (const auto& output : m_outputs) {
        if (output->ready)
            monitors.append(output->geometry());
    }
    return monitors;
}

bool WaylandDisplays::hasGamma(int index) const
{
    const Output* output = outputAt(index);
    return output && output->control && output->gammaSize > 0 &&
           !(m_connection && m_connection->isBroken());
}

int WaylandDisplays::gammaSize(int index) const
{
    return hasGamma(index) ? outputAt(index)->gammaSize : 0;
}

wl_output* WaylandDisplays::outputObject(int index) const
{
    const Output* output = outputAt(index);
    return output ? output->output : nullptr;
}

bool WaylandDisplays::readRamp(int index, GammaRamp& ramp) const
{
    if (!hasGamma(index))
        return false;
    ramp = GammaRamp::identity();
    return true;
}

QByteArray WaylandDisplays::gammaTable(const GammaRamp& ramp, int size)
{
    QByteArray table;
    table.reserve(6 * size);
    for (int c = 0; c < 3; ++c) {
        const QVector<quint16> levels =
            resampleGammaLevels(ramp.channel(c).data(), GammaRamp::kSize, size);
        table.append(reinterpret_cast<const char*>(levels.constData()),
                     levels.size() * int(sizeof(quint16)));
    }
    return table;
}

int WaylandDisplays::sealedFile(const QByteArray& bytes)
{
    const int fd = memfd_create("kavo-gamma", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd < 0)
        return -1;
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step = write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0) {
            close(fd);
            return -1;
        }
        written += step;
    }
    // The compositor maps the file: it must not shrink under it.
    fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL);
    return fd;
}

bool WaylandDisplays::writeRamp(int index, const GammaRamp& ramp)
{
    if (!hasGamma(index))
        return false;
    const Output* output = outputAt(index);
    const int fd = sealedFile(gammaTable(ramp, output->gammaSize));
    if (fd < 0) {
        log_line(QStringLiteral("No memory file for the gamma tables of %1: %2")
                     .arg(output->label(), QString::fromLocal8Bit(strerror(errno))));
        return false;
    }
    zwlr_gamma_control_v1_set_gamma(output->control, fd);
    close(fd);
    m_connection->flush();
    return !m_connection->isBroken();
}

MonitorIdentity WaylandDisplays::monitorIdentity(int index) const
{
    const Output* output = outputAt(index);
    return output ? MonitorIdentity{output->label(), {}} : MonitorIdentity{};
}

ColorRoute WaylandDisplays::route(int index) const
{
    if (!m_connection)
        return ColorRoute::none(m_problem);
    if (m_connection->isBroken())
        return ColorRoute::none(QStringLiteral("the connection to the compositor ended"));
    if (!m_gammaManager)
        return ColorRoute::none(QStringLiteral("the compositor offers no gamma control"));
    const Output* output = outputAt(index);
    if (!output)
        return ColorRoute::none(QStringLiteral("no such monitor"));
    if (output->failed)
        return ColorRoute::none(QLatin1String(kRefused));
    if (output->gammaSize <= 0)
        return ColorRoute::none(QStringLiteral("the compositor has not given the table size yet"));
    return {QStringLiteral("wlr-gamma-control"), {}};
}
