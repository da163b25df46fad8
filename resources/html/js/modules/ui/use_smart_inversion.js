// Invert bright screen content.
Kavo.bind({
    setting: "use_smart_inversion",
    kind: "switch",
    slot: "use_smart_inversion_changed",
    signal: "set_use_smart_inversion",
});
