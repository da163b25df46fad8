// Fixed brightness instead of following the sun.
Kavo.bind({
    setting: "use_manual_brightness",
    kind: "switch",
    slot: "use_manual_brightness_changed",
    signal: "set_use_manual_brightness",
});
