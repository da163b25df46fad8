#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <functional>
#include <memory>
#include <mutex>
#include <thread>

struct wl_display;
struct wl_event_source;

// A small Wayland compositor for tests: named wl_outputs (version 4) and the wlroots gamma
// manager, on a private socket, served on a thread of its own. It behaves as wlroots does
// where Kavo relies on it: one gamma control per output (a second one fails), `failed` for
// outputs set to refuse, gamma_size at once otherwise, a short table is a protocol error. Every
// set_gamma is recorded byte for byte; a control that ends (destroyed, or its client's
// connection closed) is recorded as the output's tables restored. Thread-safe.
class TestCompositor
{
public:
    struct OutputSpec
    {
        QString name;
        QRect geometry;
        int gammaSize = 256;
        bool refusesGamma = false; // every gamma control of the output fails
    };
    struct GammaWrite
    {
        QString output;
        QByteArray table;  // as the client wrote it: red, green, blue uint16 tables
        qint64 client = 0; // the client's process id
    };

    TestCompositor();
    ~TestCompositor();

    // Listens on a socket in a private folder; false when it cannot.
    bool start();
    // The value for WAYLAND_DISPLAY (an absolute path).
    QString socketPath() const { return m_socketPath; }

    void addOutput(const OutputSpec& output);
    void removeOutput(const QString& name);
    // From now on the output's new controls fail (true) or are given (false).
    void setRefusesGamma(const QString& name, bool refuses);

    QVector<GammaWrite> writes() const;
    // How many times an output's tables were put back because its control ended.
    int restoredCount(const QString& output) const;
    // Clients connected now.
    int clientCount() const;
    // Gamma controls alive now, over all outputs.
    int controlCount() const;

    struct State;

private:
    // Runs `task` on the compositor's thread and waits until it ran.
    void run(std::function<void()> task);

    QTemporaryDir m_folder;
    QString m_socketPath;
    std::unique_ptr<State> m_state;
    std::thread m_thread;
};
