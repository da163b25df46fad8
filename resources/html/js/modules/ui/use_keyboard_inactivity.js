// Stop the break timer when the keyboard rests.
Kavo.bind({
    setting: "use_keyboard_inactivity",
    kind: "switch",
    slot: "use_keyboard_inactivity_changed",
    signal: "set_use_keyboard_inactivity",
});
