#pragma once

#include "platform/ISystemParameters.h"

// Linux desktops have no such parameters: each request is logged and changes nothing.
class UnsupportedSystemParameters : public ISystemParameters
{
public:
    bool set(int parameter, int value) override;
    // Nothing was changed, so there is nothing to announce.
    void broadcastChange() override {}
};
