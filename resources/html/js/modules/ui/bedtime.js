// When the sleep period starts.
Kavo.bind({
    setting: "bedtime",
    kind: "time",
    slot: "bedtime_changed",
    signal: "set_bedtime_value",
    fromNative: (hours, minutes) => ({ hours, minutes }),
    toNative: (time) => [time.hours, time.minutes],
});
