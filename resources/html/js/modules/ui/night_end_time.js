// When night ends with a night by the clock.
Kavo.bind({
    setting: "night_end_time",
    preset: "clock",
    slot: "night_end_time_changed",
    signal: "set_night_end_time_value",
});
