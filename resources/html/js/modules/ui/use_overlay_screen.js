// The overlay screen on or off.
Kavo.bind({
    setting: "use_overlay_screen",
    kind: "switch",
    slot: "use_overlay_screen_changed",
    signal: "set_use_overlay_screen",
});
