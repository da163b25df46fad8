// Any full-screen program in front counts as a mouse pauser.
Kavo.bind({
    setting: "mouse_pausers_fullscreen",
    kind: "switch",
    slot: "mouse_pausers_pause_on_fullscreen_apps_changed",
    signal: "set_mouse_pausers_pause_on_fullscreen_apps",
});
