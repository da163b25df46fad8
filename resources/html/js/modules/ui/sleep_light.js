// Colour temperature of the sleep period, in kelvin.
Kavo.bind({
    setting: "sleep_light",
    preset: "temperature",
    slot: "sleep_light_changed",
    signal: "set_sleep_light_slider_value",
    defaultValue: 2700,
});
