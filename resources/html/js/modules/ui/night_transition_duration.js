// How long the change into night takes; Kavo keeps it in seconds.
Kavo.bind({
    setting: "night_transition_duration",
    preset: "minutes",
    slot: "night_transition_duration_changed",
    signal: "set_night_transition_duration_value",
    range: [0, 180],
    step: 5,
});
