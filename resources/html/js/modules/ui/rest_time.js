// How long a rest lasts, in seconds.
Kavo.bind({
    setting: "rest_time",
    kind: "number",
    slot: "rest_time_changed",
    signal: "set_rest_time_value",
    range: [1, 86400],
    step: 1,
});
