// How long the change into day takes; Kavo keeps it in seconds.
Kavo.bind({
    setting: "day_transition_duration",
    preset: "minutes",
    slot: "day_transition_duration_changed",
    signal: "set_day_transition_duration_value",
    range: [0, 180],
    step: 5,
});
