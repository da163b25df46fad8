// How long the change into the sleep period takes; Kavo keeps it in seconds.
Kavo.bind({
    setting: "sleep_transition_duration",
    kind: "slider",
    slot: "sleep_transition_duration_changed",
    signal: "set_sleep_transition_duration_value",
    range: [0, 180],
    step: 5,
    fromNative: (seconds) => Math.round(seconds / 60),
    toNative: (minutes) => [minutes * 60],
    format: (minutes) => minutes + " min",
});
