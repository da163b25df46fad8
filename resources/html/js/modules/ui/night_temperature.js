// Night-time colour temperature of the active monitor, in kelvin.
Kavo.bind({
    setting: "night_temperature",
    preset: "temperature",
    slot: "night_temperature_changed",
    signal: "set_night_temperature_slider_value",
    defaultValue: 3400,
});
