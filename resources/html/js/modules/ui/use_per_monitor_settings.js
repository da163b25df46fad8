// Own colours for every monitor.
Kavo.bind({
    setting: "use_per_monitor_settings",
    kind: "switch",
    slot: "use_per_monitor_settings_changed",
    signal: "set_use_per_monitor_settings",
});
