#include "TestCompositor.h"

#include <QHash>

#include "wlr-gamma-control-unstable-v1-server-protocol.h"
#include <wayland-server.h>

#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <cstring>

namespace {
struct Output
{
    TestCompositor::State* state = nullptr;
    TestCompositor::OutputSpec spec;
    wl_global* global = nullptr;
    wl_resource* control = nullptr; // the one control that holds the output
    bool removed = false;
};

struct ClientWatch
{
    wl_listener destroyed;
    TestCompositor::State* state;
};
} // namespace

struct TestCompositor::State
{
    wl_display* display = nullptr;
    wl_event_loop* loop = nullptr;
    int wakeFd = -1;
    std::atomic<bool> stopping{false};
    wl_listener clientCreated{};

    std::mutex taskMutex;
    std::vector<std::function<void()>> tasks;

    std::vector<std::unique_ptr<Output>> outputs; // compositor thread only

    mutable std::mutex recordMutex; // guards what follows
    QVector<GammaWrite> writes;
    QHash<QString, int> restored;
    int clients = 0;
    int controls = 0;

    Output* find(const QString& name)
    {
        for (const auto& output : outputs) {
            if (!output->removed && output->spec.name == name)
                return output.get();
        }
        return nullptr;
    }
};

namespace {
using State = TestCompositor::State;

void releaseOutput(wl_client*, wl_resource* resource)
{
    wl_resource_destroy(resource);
}
const struct wl_output_interface kOutputImplementation = {&releaseOutput};

void bindOutput(wl_client* client, void* data, uint32_t version, uint32_t id)
{
    auto* output = static_cast<Output*>(data);
    wl_resource* resource = wl_resource_create(client, &wl_output_interface, int(version), id);
    wl_resource_set_implementation(resource, &kOutputImplementation, output, nullptr);
    const QRect& area = output->spec.geometry;
    wl_output_send_geometry(resource, area.x(), area.y(), 0, 0, WL_OUTPUT_SUBPIXEL_UNKNOWN, "Kavo",
                            "Test", WL_OUTPUT_TRANSFORM_NORMAL);
    wl_output_send_mode(resource, WL_OUTPUT_MODE_CURRENT, area.width(), area.height(), 60000);
    if (version >= 2)
        wl_output_send_scale(resource, 1);
    if (version >= 4)
        wl_output_send_name(resource, output->spec.name.toUtf8().constData());
    if (version >= 2)
        wl_output_send_done(resource);
}

// A control's user data: its output while it holds it, else null (it failed).
void controlEnded(wl_resource* resource)
{
    auto* output = static_cast<Output*>(wl_resource_get_user_data(resource));
    if (!output || output->control != resource)
        return;
    output->control = nullptr;
    std::lock_guard<std::mutex> lock(output->state->recordMutex);
    ++output->state->restored[output->spec.name];
    --output->state->controls;
}

void failControl(wl_resource* control)
{
    controlEnded(control);
    wl_resource_set_user_data(control, nullptr);
    zwlr_gamma_control_v1_send_failed(control);
}

void setGamma(wl_client* client, wl_resource* resource, int32_t fd)
{
    auto* output = static_cast<Output*>(wl_resource_get_user_data(resource));
    if (!output) {
        close(fd);
        return;
    }
    const qint64 size = 6 * qint64(output->spec.gammaSize);
    struct stat file = {};
    if (fstat(fd, &file) != 0 || file.st_size < size) {
        close(fd);
        wl_resource_post_error(resource, ZWLR_GAMMA_CONTROL_V1_ERROR_INVALID_GAMMA,
                               "the gamma tables are shorter than 6 * gamma_size bytes");
        return;
    }
    QByteArray table(int(size), Qt::Uninitialized);
    const ssize_t read = pread(fd, table.data(), size_t(size), 0);
    close(fd);
    if (read != size) {
        wl_resource_post_error(resource, ZWLR_GAMMA_CONTROL_V1_ERROR_INVALID_GAMMA,
                               "the gamma tables cannot be read");
        return;
    }
    pid_t pid = 0;
    wl_client_get_credentials(client, &pid, nullptr, nullptr);
    std::lock_guard<std::mutex> lock(output->state->recordMutex);
    output->state->writes.append({output->spec.name, table, pid});
}

void destroyResource(wl_client*, wl_resource* resource)
{
    wl_resource_destroy(resource);
}

const struct zwlr_gamma_control_v1_interface kControlImplementation = {&setGamma, &destroyResource};

void getGammaControl(wl_client* client, wl_resource* manager, uint32_t id, wl_resource* target)
{
    auto* output = static_cast<Output*>(wl_resource_get_user_data(target));
    wl_resource* control = wl_resource_create(client, &zwlr_gamma_control_v1_interface,
                                              wl_resource_get_version(manager), id);
    wl_resource_set_implementation(control, &kControlImplementation, nullptr, &controlEnded);
    if (!output || output->removed || output->spec.refusesGamma || output->control) {
        zwlr_gamma_control_v1_send_failed(control);
        return;
    }
    output->control = control;
    wl_resource_set_user_data(control, output);
    {
        std::lock_guard<std::mutex> lock(output->state->recordMutex);
        ++output->state->controls;
    }
    zwlr_gamma_control_v1_send_gamma_size(control, uint32_t(output->spec.gammaSize));
}

const struct zwlr_gamma_control_manager_v1_interface kManagerImplementation = {&getGammaControl,
                                                                               &destroyResource};

void bindManager(wl_client* client, void* data, uint32_t version, uint32_t id)
{
    wl_resource* resource =
        wl_resource_create(client, &zwlr_gamma_control_manager_v1_interface, int(version), id);
    wl_resource_set_implementation(resource, &kManagerImplementation, data, nullptr);
}

void clientDestroyed(wl_listener* listener, void*)
{
    ClientWatch* watch = wl_container_of(listener, watch, destroyed);
    {
        std::lock_guard<std::mutex> lock(watch->state->recordMutex);
        --watch->state->clients;
    }
    delete watch;
}

void clientCreated(wl_listener* listener, void* data)
{
    State* state = wl_container_of(listener, state, clientCreated);
    auto* watch = new ClientWatch{};
    watch->state = state;
    watch->destroyed.notify = &clientDestroyed;
    wl_client_add_destroy_listener(static_cast<wl_client*>(data), &watch->destroyed);
    std::lock_guard<std::mutex> lock(state->recordMutex);
    ++state->clients;
}

int runTasks(int fd, uint32_t, void* data)
{
    auto* state = static_cast<State*>(data);
    uint64_t count = 0;
    if (read(fd, &count, sizeof(count)) < 0)
        return 0;
    std::vector<std::function<void()>> tasks;
    {
        std::lock_guard<std::mutex> lock(state->taskMutex);
        tasks.swap(state->tasks);
    }
    for (const auto& task : tasks)
        task();
    return 0;
}

int listeningSocket(const QString& path)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = path.toLocal8Bit();
    if (fd < 0 || name.size() >= int(sizeof(address.sun_path)))
        return -1;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(fd, 16) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}
} // namespace

TestCompositor::TestCompositor() : m_state(std::make_unique<State>())
{
}

TestCompositor::~TestCompositor()
{
    if (m_thread.joinable()) {
        // Set on the compositor's thread, which looks at it only between two dispatches.
        run([this] { m_state->stopping = true; });
        m_thread.join();
    }
    if (m_state->display) {
        wl_display_destroy_clients(m_state->display);
        wl_display_destroy(m_state->display);
    }
    if (m_state->wakeFd >= 0)
        close(m_state->wakeFd);
}

bool TestCompositor::start()
{
    if (!m_folder.isValid())
        return false;
    m_socketPath = m_folder.filePath(QStringLiteral("wayland-test"));
    const int socket = listeningSocket(m_socketPath);
    State& state = *m_state;
    state.display = wl_display_create();
    if (socket < 0 || !state.display || wl_display_add_socket_fd(state.display, socket) != 0)
        return false;
    state.loop = wl_display_get_event_loop(state.display);
    state.wakeFd = eventfd(0, EFD_CLOEXEC);
    wl_event_loop_add_fd(state.loop, state.wakeFd, WL_EVENT_READABLE, &runTasks, &state);
    state.clientCreated.notify = &clientCreated;
    wl_display_add_client_created_listener(state.display, &state.clientCreated);
    wl_global_create(state.display, &zwlr_gamma_control_manager_v1_interface, 1, &state,
                     &bindManager);
    m_thread = std::thread([&state] {
        while (!state.stopping) {
            wl_display_flush_clients(state.display);
            wl_event_loop_dispatch(state.loop, -1);
        }
    });
    return true;
}

void TestCompositor::run(std::function<void()> task)
{
    std::mutex done;
    std::condition_variable ran;
    bool finished = false;
    {
        std::lock_guard<std::mutex> lock(m_state->taskMutex);
        m_state->tasks.push_back([&] {
            task();
            std::lock_guard<std::mutex> doneLock(done);
            finished = true;
            ran.notify_one();
        });
    }
    const uint64_t one = 1;
    if (write(m_state->wakeFd, &one, sizeof(one)) < 0)
        return;
    std::unique_lock<std::mutex> lock(done);
    ran.wait(lock, [&] { return finished; });
}

void TestCompositor::addOutput(const OutputSpec& spec)
{
    run([this, spec] {
        auto output = std::make_unique<Output>();
        output->state = m_state.get();
        output->spec = spec;
        output->global =
            wl_global_create(m_state->display, &wl_output_interface, 4, output.get(), &bindOutput);
        m_state->outputs.push_back(std::move(output));
    });
}

void TestCompositor::removeOutput(const QString& name)
{
    run([this, name] {
        Output* output = m_state->find(name);
        if (!output)
            return;
        if (output->control)
            failControl(output->control);
        output->removed = true;
        // Clients may still bind the global they were told of: it stays until the end.
        wl_global_remove(output->global);
    });
}

void TestCompositor::setRefusesGamma(const QString& name, bool refuses)
{
    run([this, name, refuses] {
        if (Output* output = m_state->find(name)) {
            output->spec.refusesGamma = refuses;
            if (refuses && output->control)
                failControl(output->control);
        }
    });
}

QVector<TestCompositor::GammaWrite> TestCompositor::writes() const
{
    std::lock_guard<std::mutex> lock(m_state->recordMutex);
    return m_state->writes;
}

int TestCompositor::restoredCount(const QString& output) const
{
    std::lock_guard<std::mutex> lock(m_state->recordMutex);
    return m_state->restored.value(output);
}

int TestCompositor::clientCount() const
{
    std::lock_guard<std::mutex> lock(m_state->recordMutex);
    return m_state->clients;
}

int TestCompositor::controlCount() const
{
    std::lock_guard<std::mutex> lock(m_state->recordMutex);
    return m_state->controls;
}
