// The typed-in location instead of the looked-up one.
Kavo.bind({
    setting: "use_manual_location",
    kind: "switch",
    slot: "use_manual_location_changed",
    signal: "set_use_manual_location",
    // The coordinates can be typed in only while they are used.
    affects: ["latitude", "longitude"],
});
