// Night-time brightness of the active monitor, in percent.
Kavo.bind({
    setting: "night_brightness",
    preset: "brightness",
    slot: "night_brightness_changed",
    signal: "set_night_brightness_slider_value",
    defaultValue: 80,
});
