// Saturation change on or off.
Kavo.bind({
    setting: "use_saturation",
    kind: "switch",
    slot: "use_saturation_changed",
    signal: "set_use_saturation",
});
