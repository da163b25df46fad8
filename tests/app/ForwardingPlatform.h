#pragma once

#include "platform/Platform.h"
#include "platform/sim/SimDesktop.h"

#include <memory>

// A simulated desktop behind a platform of its own, so a test can put a service of its own in
// front of one of the simulated ones and leave the rest as they are.
class ForwardingPlatform : public Platform
{
public:
    explicit ForwardingPlatform(std::unique_ptr<SimDesktop> sim) : m_sim(std::move(sim)) {}

    SimDesktop& sim() { return *m_sim; }

    QString name() const override { return m_sim->name(); }
    bool has(Capability capability) const override { return m_sim->has(capability); }
    IDisplays& displays() override { return m_sim->displays(); }
    IRegistry& registry() override { return m_sim->registry(); }
    IClock& clock() override { return m_sim->clock(); }
    IMagnifier& magnifier() override { return m_sim->magnifier(); }
    ISystemParameters& systemParameters() override { return m_sim->systemParameters(); }
    IWindows& windows() override { return m_sim->windows(); }
    IPower& power() override { return m_sim->power(); }
    IDesktopInfo& desktopInfo() override { return m_sim->desktopInfo(); }
    IScreenCapture& screenCapture() override { return m_sim->screenCapture(); }
    ICameras& cameras() override { return m_sim->cameras(); }
    ISession& session() override { return m_sim->session(); }
    IKeyboardGrab& keyboardGrab() override { return m_sim->keyboardGrab(); }
    ISounds& sounds() override { return m_sim->sounds(); }
    IInput& input() override { return m_sim->input(); }
    IHotkeys& hotkeys() override { return m_sim->hotkeys(); }
    ILocation& location() override { return m_sim->location(); }
    ITray& tray() override { return m_sim->tray(); }
    ITaskbar& taskbar() override { return m_sim->taskbar(); }
    IFileChooser& fileChooser() override { return m_sim->fileChooser(); }
    IOverlays& overlays() override { return m_sim->overlays(); }

private:
    std::unique_ptr<SimDesktop> m_sim;
};
