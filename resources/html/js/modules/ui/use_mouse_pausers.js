// Mouse pausers on or off.
Kavo.bind({
    setting: "use_mouse_pausers",
    kind: "switch",
    slot: "use_mouse_pausers_changed",
    signal: "set_use_mouse_pausers",
});
