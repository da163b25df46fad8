#pragma once

#include "platform/IOverlays.h"
#include "platform/sim/SimService.h"

// Overlays on the simulated desktop. The config's "compositing" (true when absent) says whether
// translucent windows are blended. The state's "windows" entries say for every window whether
// it lets the mouse through ("click_through") and stays on top ("on_top"), and for the overlay
// family also its opacity and the last statement its page ran.
class SimOverlays : public IOverlays, public SimService
{
public:
    void prepare(QWidget& window) override;
    bool blendsTranslucentWindows() override { return m_compositing; }

    void configure(const QJsonObject& config) override;
    void addState(QJsonObject& state) const override;

private:
    bool m_compositing = true;
};
