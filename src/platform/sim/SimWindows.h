#pragma once

#include "platform/IWindows.h"
#include "platform/sim/SimService.h"

#include <QObject>
#include <QString>

// The program's windows as the simulated desktop sees them. The state lists every visible
// top-level window as "windows" ({"class", "title", "x", "y", "width", "height"}) and the
// window last brought to the front as "front_window" (its title).
class SimWindows : public QObject, public IWindows, public SimService
{
public:
    SimWindows();

    void bringToFront(QWidget& window) override;
    // As the design for Windows places it: at the monitor's corner, one pixel taller than
    // the monitor.
    void coverMonitor(QWidget& window, const QRect& monitor) override;

    void configure(const QJsonObject&) override {}
    void addState(QJsonObject& state) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchApplication();
    void reportSoon();

    QString m_frontWindow;
    bool m_reportPending = false;
};
