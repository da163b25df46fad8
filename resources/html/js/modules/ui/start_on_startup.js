// Start Kavo with the session.
Kavo.bind({
    setting: "start_on_startup",
    kind: "switch",
    slot: "start_on_startup_changed",
    signal: "set_start_on_startup",
});
