// Colour pausers on or off.
Kavo.bind({
    setting: "use_color_pausers",
    kind: "switch",
    slot: "use_color_pausers_changed",
    signal: "set_use_color_pausers",
});
