// How long a work interval lasts before a rest, in minutes.
Kavo.bind({
    setting: "work_time",
    kind: "number",
    slot: "work_time_changed",
    signal: "set_work_time_value",
    range: [1, 1440],
    step: 1,
});
