// How long pausing and resuming glide, in milliseconds.
Kavo.bind({
    setting: "pause_transition_duration",
    kind: "slider",
    slot: "pause_transition_duration_changed",
    signal: "set_pause_transition_duration_value",
    range: [0, 5000],
    step: 100,
    format: (milliseconds) => (milliseconds / 1000).toFixed(1) + " s",
});
