#pragma once

#include "platform/IWindows.h"
#include "platform/sim/SimProcessTable.h"
#include "platform/sim/SimService.h"

#include <QObject>
#include <QString>

// The windows and programs of the simulated desktop. Other programs come from the config
// (see SimProcessTable). The state lists Kavo's own visible top-level windows as "windows"
// ({"class", "title", "x", "y", "width", "height", "click_through", "on_top", and for the overlay
// family "opacity" and "page_statement", see SimOverlays), the window last brought to the front as
// "front_window" (its title) and the processes Kavo ended as "ended_processes".
class SimWindows : public QObject, public IWindows, public SimService
{
public:
    SimWindows();

    void bringToFront(QWidget& window) override;
    // As the design for Windows places it: at the monitor's corner, one pixel taller than
    // the monitor.
    void coverMonitor(QWidget& window, const QRect& monitor) override;
    bool processes(QVector<ProcessEntry>& entries) override;
    QVector<WindowRef> topLevelWindows() override;
    quint64 foregroundWindow() override;
    WindowInfo describe(quint64 window) override;
    QString processName(qint64 pid) override;
    bool terminateProcess(qint64 pid) override;
    void watchForeground(std::function<void()> changed) override;

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchApplication();
    static void addOverlayFields(const QWidget& window, QJsonObject& entry);
    void reportSoon();

    SimProcessTable m_table;
    std::function<void()> m_foregroundChanged;
    QString m_frontWindow;
    bool m_reportPending = false;
};
