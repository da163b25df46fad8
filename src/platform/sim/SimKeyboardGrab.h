#pragma once

#include "platform/IKeyboardGrab.h"
#include "platform/sim/SimService.h"

// The keyboard grab as the state's "keyboard_grabbed": bool.
class SimKeyboardGrab : public IKeyboardGrab, public SimService
{
public:
    void grab(QWidget& window) override;
    void release() override;
    bool isGrabbed() const override { return m_grabbed; }

    void configure(const QJsonObject&) override {}
    void addState(QJsonObject& state) const override;

private:
    bool m_grabbed = false;
};
