// How long the change into the sleep period takes; Kavo keeps it in seconds.
Kavo.bind({
    setting: "sleep_transition_duration",
    preset: "minutes",
    slot: "sleep_transition_duration_changed",
    signal: "set_sleep_transition_duration_value",
    range: [0, 180],
    step: 5,
});
