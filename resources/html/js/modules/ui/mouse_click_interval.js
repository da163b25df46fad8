// Milliseconds between two clicks of the auto clicker.
Kavo.bind({
    setting: "mouse_click_interval",
    kind: "number",
    slot: "mouse_click_interval_changed",
    signal: "set_mouse_click_interval",
    range: [10, 86400000],
    step: 1,
});
