#pragma once

#include "Singleton.h"
#include "platform/ISystemParameters.h"

// Font smoothing and the mouse trails that carry the software cursor.
class SystemParametersInfoApi : public Singleton<SystemParametersInfoApi>
{
public:
    explicit SystemParametersInfoApi(ISystemParameters& parameters);

    void disable_font_smoothing();
    void enable_standard_font_smoothing();
    void enable_clear_type();
    // Mouse trails off: the system draws the cursor itself. False when the desktop cannot.
    bool use_hardware_cursor();
    // Mouse trails -1: the cursor is drawn in software. False when the desktop cannot.
    bool use_software_cursor();
    // Tells the session's windows that the parameters changed.
    void broadcast_change();

private:
    ISystemParameters& m_parameters;
};
