// When the sleep period ends.
Kavo.bind({
    setting: "wake_time",
    kind: "time",
    slot: "wake_time_changed",
    signal: "set_wake_time_value",
    fromNative: (hours, minutes) => ({ hours, minutes }),
    toNative: (time) => [time.hours, time.minutes],
});
