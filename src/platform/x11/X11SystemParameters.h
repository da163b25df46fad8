#pragma once

#include "platform/ISystemParameters.h"

// X11 has no such parameters: each request is logged and changes nothing.
class X11SystemParameters : public ISystemParameters
{
public:
    bool set(int parameter, int value) override;
    // Nothing was changed, so there is nothing to announce.
    void broadcastChange() override {}
};
