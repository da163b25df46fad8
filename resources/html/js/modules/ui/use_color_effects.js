// Screen effects on or off.
Kavo.bind({
    setting: "use_color_effects",
    kind: "switch",
    slot: "use_color_effects_changed",
    signal: "set_use_color_effects",
});
