#pragma once

#include "settings/SettingsStore.h"

#include <QList>
#include <QVariantList>

// What the settings service needs from the controller that owns the settings map.
class SettingsHost
{
public:
    struct RunState
    {
        bool colorChangesPaused = false;
        bool kavoPaused = false;
        bool timerPaused = true;
        bool cameraActive = false;
    };

    virtual ~SettingsHost() = default;

    virtual SettingsMap& settings_map() = 0;
    virtual Location& location() = 0;
    virtual QList<int>& ignored_monitors() = 0;
    virtual QVariantList get_unused_pages() = 0;
    virtual RunState run_state() const = 0;

    // Hands WorkTime, RestTime and PostponeTime to the rest timer, when there is one.
    virtual void apply_timer_times() = 0;

    // Asks the page for its six list texts; it answers through the list-save slots.
    virtual void request_page_lists() = 0;

    // Emits every published setting to the page.
    virtual void publish_settings_to_page() = 0;
};
