// Warning sounds in the last seconds, and the clock of the productive timer.
Kavo.bind({
    setting: "use_sounds",
    kind: "switch",
    slot: "use_sounds_changed",
    signal: "set_use_sounds",
});
