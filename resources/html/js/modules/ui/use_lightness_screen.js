// The lightness spot on or off.
Kavo.bind({
    setting: "use_lightness_screen",
    kind: "switch",
    slot: "use_lightness_screen_changed",
    signal: "set_use_lightness_screen",
});
