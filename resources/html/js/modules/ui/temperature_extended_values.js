// Wider range for the colour temperature sliders.
Kavo.bind({
    setting: "temperature_extended_values",
    kind: "switch",
    slot: "temperature_extended_values_changed",
    signal: "set_temperature_extended_values",
    affects: ["day_temperature", "night_temperature", "sleep_light"],
});
