// Any full-screen program in front counts as a timer pauser.
Kavo.bind({
    setting: "timer_pausers_fullscreen",
    kind: "switch",
    slot: "timer_pausers_pause_on_fullscreen_apps_changed",
    signal: "set_timer_pausers_pause_on_fullscreen_apps",
});
