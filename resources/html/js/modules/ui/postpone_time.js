// How far the postpone button moves a rest, in minutes.
Kavo.bind({
    setting: "postpone_time",
    kind: "number",
    slot: "postpone_time_changed",
    signal: "set_postpone_time_value",
    range: [1, 1440],
    step: 1,
});
