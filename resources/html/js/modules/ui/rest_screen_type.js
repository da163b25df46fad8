// The window that covers each monitor during a rest: lite, simple or standard.
Kavo.bind({
    setting: "rest_screen_type",
    kind: "choice",
    slot: "rest_screen_type_changed",
    signal: "set_rest_screen_type_dropdown_value",
});
