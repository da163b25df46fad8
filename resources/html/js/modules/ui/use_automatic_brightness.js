// Brightness that follows the room light the camera sees.
Kavo.bind({
    setting: "use_automatic_brightness",
    kind: "switch",
    slot: "use_automatic_brightness_changed",
    signal: "set_use_automatic_brightness",
});
