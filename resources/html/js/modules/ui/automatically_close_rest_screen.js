// Close the rest windows by themselves when the rest is over.
Kavo.bind({
    setting: "automatically_close_rest_screen",
    kind: "switch",
    slot: "automatically_close_rest_screen_changed",
    signal: "set_automatically_close_rest_screen_value",
});
