// Kavo's global shortcuts on or off.
Kavo.bind({
    setting: "use_keyboard_shortcuts",
    kind: "switch",
    slot: "use_keyboard_shortcuts_changed",
    signal: "set_use_keyboard_shortcuts",
});
