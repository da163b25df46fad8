// Save every change when the window closes.
Kavo.bind({
    setting: "auto_save_settings",
    kind: "switch",
    slot: "auto_save_settings_changed",
    signal: "set_auto_save_settings",
});
