// How many days pass between two looks for a new version.
Kavo.bind({
    setting: "updates_interval",
    kind: "choice",
    slot: "updates_interval_changed",
    signal: "set_updates_interval_value",
});
