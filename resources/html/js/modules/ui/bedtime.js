// When the sleep period starts.
Kavo.bind({
    setting: "bedtime",
    preset: "clock",
    slot: "bedtime_changed",
    signal: "set_bedtime_value",
});
