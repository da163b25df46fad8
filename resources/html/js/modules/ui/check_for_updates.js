// Look for new versions of Kavo.
Kavo.bind({
    setting: "check_for_updates",
    kind: "switch",
    slot: "check_for_updates_changed",
    signal: "set_check_for_updates",
});
