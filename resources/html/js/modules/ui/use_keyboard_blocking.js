// Block the keyboard during strict breaks.
Kavo.bind({
    setting: "use_keyboard_blocking",
    kind: "switch",
    slot: "use_keyboard_blocking_changed",
    signal: "set_use_keyboard_blocking",
});
