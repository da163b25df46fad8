// Any full-screen program in front counts as a color pauser.
Kavo.bind({
    setting: "color_pausers_fullscreen",
    kind: "switch",
    slot: "color_pausers_pause_on_fullscreen_apps_changed",
    signal: "set_color_pausers_pause_on_fullscreen_apps",
});
