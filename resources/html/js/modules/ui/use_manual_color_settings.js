// Fixed colour temperature instead of following the sun.
Kavo.bind({
    setting: "use_manual_color_settings",
    kind: "switch",
    slot: "use_manual_color_settings_changed",
    signal: "set_use_manual_color_settings",
});
