// Night by the clock instead of by the sun.
Kavo.bind({
    setting: "use_manual_night_duration",
    kind: "switch",
    slot: "use_manual_night_duration_changed",
    signal: "set_use_manual_night_duration",
});
