// Brightness of the sleep period, in percent.
Kavo.bind({
    setting: "sleep_brightness",
    preset: "brightness",
    slot: "sleep_brightness_changed",
    signal: "set_sleep_brightness_slider_value",
    defaultValue: 75,
});
