// Wider range for the brightness sliders.
Kavo.bind({
    setting: "brightness_extended_values",
    kind: "switch",
    slot: "brightness_extended_values_changed",
    signal: "set_brightness_extended_values",
    affects: ["day_brightness", "night_brightness", "sleep_brightness"],
});
