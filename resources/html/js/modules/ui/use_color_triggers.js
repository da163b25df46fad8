// Colour triggers on or off.
Kavo.bind({
    setting: "use_color_triggers",
    kind: "switch",
    slot: "use_color_triggers_changed",
    signal: "set_use_color_triggers",
});
