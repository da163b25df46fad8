// Dim bright screen content.
Kavo.bind({
    setting: "use_smart_brightness",
    kind: "switch",
    slot: "use_smart_brightness_changed",
    signal: "set_use_smart_brightness",
});
