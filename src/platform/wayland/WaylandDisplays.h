#pragma once

#include "platform/IDisplays.h"

#include <QByteArray>
#include <QObject>

#include <memory>
#include <vector>

class WaylandConnection;
struct wl_output;
struct wl_registry;
struct zwlr_gamma_control_manager_v1;
struct zwlr_gamma_control_v1;
struct zxdg_output_manager_v1;
struct zxdg_output_v1;

// Monitors are the compositor's wl_outputs, in the order it announced them, named by wl_output
// v4's name or else xdg-output's. Colours go through wlr-gamma-control: one control per output,
// whose tables Kavo's 256-entry ramps are resampled to. The protocol cannot read tables, so
// each monitor reads as showing the identity; the compositor puts the original tables back
// when a control or the connection ends, so nothing is restored here. An output whose control
// failed has no gamma (route "none", one log line) until the outputs change, when it is asked
// again. Added and removed outputs are announced at once.
//
// Protocol facts relied on (wayland.xml 1.21, xdg-output-unstable-v1 from wayland-protocols):
// wl_output sends geometry (x, y), mode (flags bit 1 = current), scale (v2), name (v4), then
// done (v2; before v2 an output never says it is done); zxdg_output_v1 sends logical_position,
// logical_size and, from v2, name; from v3 its own done is not sent, wl_output.done closes the
// description. sway 1.7 offers wl_output v4 and zxdg_output_manager_v1 v3; its headless output
// answers get_gamma_control with failed.
class WaylandDisplays : public IDisplays
{
public:
    // Without a connection (`problem` says why) there are no monitors.
    explicit WaylandDisplays(WaylandConnection* connection, const QString& problem = QString());
    ~WaylandDisplays() override;

    int monitorCount() const override;
    QVector<QRect> monitorGeometries() const override;
    bool hasGamma(int index) const override;
    // The identity, where the monitor has gamma: the compositor keeps the tables it started with.
    bool readRamp(int index, GammaRamp& ramp) const override;
    bool writeRamp(int index, const GammaRamp& ramp) override;
    // The output's name; no EDID.
    MonitorIdentity monitorIdentity(int index) const override;
    ColorRoute route(int index) const override;
    // Entries of monitor `index`'s tables; 0 without gamma.
    int gammaSize(int index) const;
    // The compositor's object for monitor `index`, for surfaces placed on it; null when gone.
    wl_output* outputObject(int index) const;

    // Whether the compositor offers wlr-gamma-control.
    bool hasGammaManager() const { return m_gammaManager != nullptr; }
    // The ramps of monitor `index` as the compositor's `size`-entry tables: red, green, blue,
    // each `size` native-endian uint16 values.
    static QByteArray gammaTable(const GammaRamp& ramp, int size);
    // A sealed memory file holding `bytes`, for set_gamma; -1 when none could be made.
    static int sealedFile(const QByteArray& bytes);

    struct Output;

private:
    void bindGlobal(wl_registry* registry, uint32_t name, const char* interface, uint32_t version);
    void removeGlobal(uint32_t name);
    void addOutput(wl_registry* registry, uint32_t name, uint32_t version);
    // Asks for what the compositor offers an output that it does not have yet.
    void completeOutput(Output& output);
    void requestGammaControl(Output& output);
    void dropGammaControl(Output& output);
    // The outputs changed: each failed control is asked for again.
    void retryFailedControls();
    const Output* outputAt(int index) const;
    // Announces a change of the monitors, unless it came with the first answers.
    void announceChange();

    friend struct WaylandListeners;

    WaylandConnection* m_connection;
    QString m_problem;
    bool m_starting = true;
    wl_registry* m_registry = nullptr;
    zwlr_gamma_control_manager_v1* m_gammaManager = nullptr;
    zxdg_output_manager_v1* m_xdgOutputManager = nullptr;
    std::vector<std::unique_ptr<Output>> m_outputs;
};
