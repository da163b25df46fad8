// Count blinks with the camera.
Kavo.bind({
    setting: "use_blink_detection",
    kind: "switch",
    slot: "use_blink_detection_changed",
    signal: "set_use_blink_detection",
});
