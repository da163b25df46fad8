// The camera: blink counting and the room light need it on.
Kavo.bind({
    setting: "use_camera",
    kind: "switch",
    slot: "use_camera_changed",
    signal: "set_use_camera",
});
