// When night starts with a night by the clock.
Kavo.bind({
    setting: "night_start_time",
    preset: "clock",
    slot: "night_start_time_changed",
    signal: "set_night_start_time_value",
});
