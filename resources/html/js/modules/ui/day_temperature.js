// Daytime colour temperature of the active monitor, in kelvin.
Kavo.bind({
    setting: "day_temperature",
    preset: "temperature",
    slot: "day_temperature_changed",
    signal: "set_day_temperature_slider_value",
    defaultValue: 5000,
});
