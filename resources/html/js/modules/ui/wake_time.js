// When the sleep period ends.
Kavo.bind({
    setting: "wake_time",
    preset: "clock",
    slot: "wake_time_changed",
    signal: "set_wake_time_value",
});
