// Stop the break timer when the mouse rests.
Kavo.bind({
    setting: "use_mouse_inactivity",
    kind: "switch",
    slot: "use_mouse_inactivity_changed",
    signal: "set_use_mouse_inactivity",
});
