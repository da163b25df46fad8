// Daytime brightness of the active monitor, in percent.
Kavo.bind({
    setting: "day_brightness",
    preset: "brightness",
    slot: "day_brightness_changed",
    signal: "set_day_brightness_slider_value",
    defaultValue: 100,
});
